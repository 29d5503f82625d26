//DEDized template output system V1.0

title 0 0 100 15 3 0 0 0 0 0 0 "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF" 16 1 2 
// End of template/n/n