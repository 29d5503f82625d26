//DEDized template output system V1.0

title 0 0 100
// End of template/n/n