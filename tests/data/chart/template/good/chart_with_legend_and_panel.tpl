//DEDized template output system V1.0

background -1 -1 -1 -1 0 1 2 2 255 255 255 200 220 255 
title 0 0 100 12 3 0 0 0 0 0 0 "Times New Roman" 14 1 2 
data 0 12 70 100 3 0 1 0 255 255 255 0 0 0 "Arial" 8 0 2 2 1 4 0
legend 72 20 98 60 3 1 1 1 240 240 240 0 0 0 "Arial" 9 0 0  5 20.000000 1 1 1 
label 0 0 0 0 0 0 0 0 0 0 255 "Arial" 10 0 0  50 95 1 0 0 8 0
annotation 1 Marked values
textpanel 72 62 98 98 3 1 1 0 255 255 224 0 0 0 "Arial" 9 0 0 0 0 128 "Arial" 10 1 2 
datawatcher -1 -1 -1 -1 0 0 0 0 
// End of template/n/n