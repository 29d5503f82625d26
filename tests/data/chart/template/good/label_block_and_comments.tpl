//DEDized template output system V1.0

// a block of two labels

labelblock 0 0 1 1 2 0 0 0 0 0 0 "Arial" 10 0 0  0.5 0.5 1 0 0 8 0
label 0 0 1 1 2 0 0 0 0 0 0 "Arial" 10 0 0  0.2 0.2 1 0 0 8 1
annotation 1 First
label 0 0 1 1 2 0 0 0 0 0 0 "Arial" 10 0 0  0.8 0.2 1 0 0 8 1
annotation 1 Second
endblock
surface
background 0 0 1 1 2 0 5 0 "paper.bmp" 1 
// End of template/n/n