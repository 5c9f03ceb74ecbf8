# Linked before every other object: marks the start of the exception frame
# tables that the unwinder is given at start-up.
	.section .eh_frame,"dr"
	.globl ___EH_FRAME_BEGIN__
___EH_FRAME_BEGIN__:
