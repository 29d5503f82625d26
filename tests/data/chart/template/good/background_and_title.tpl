//DEDized template output system V1.0

background 0 0 100 100 3 0 1 0 255 255 255 
title 0 0 100 15 3 0 0 0 0 0 128 "Arial" 16 1 2 
// End of template/n/n