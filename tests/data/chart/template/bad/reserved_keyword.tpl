//DEDized template output system V1.0

style 0 0 100 100 3 0 0 0
// End of template/n/n