//DEDized template output system V1.0

background 0 0 100 100 3 0 1 0 255 255 255 
background 0 0 100 100 3 0 6 0 
// End of template/n/n