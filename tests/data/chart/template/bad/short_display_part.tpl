//DEDized template output system V1.0

data 0 0 100 100 3 0 0 0 0 0 0 "Arial" 8 0 2 2 1 4
// End of template/n/n