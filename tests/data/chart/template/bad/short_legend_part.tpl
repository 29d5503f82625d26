//DEDized template output system V1.0

legend 0 0 100 100 3 0 0 0 0 0 0 "Arial" 9 0 0 5 20 1
// End of template/n/n