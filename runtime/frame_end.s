# Linked after every other object: the zero word that ends the exception
# frame tables.
	.section .eh_frame,"dr"
	.long 0
