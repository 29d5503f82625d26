//DEDized template output system V1.0

title 0 0 100 15 3 0 0 0 0 0 0 "Arial" 16 1 2 
annotation 1 Not a label
// End of template/n/n