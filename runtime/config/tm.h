// Target settings that GCC's build would generate for the unwinder and the
// division helpers. The compiler predefines the rest (-fbuilding-libgcc);
// i386 numbers its unwind columns as its DWARF registers.
#define DWARF_REG_TO_UNWIND_COLUMN(REGNO) (REGNO)
// A word is four bytes: the 64-bit division works on two of them.
#define MIN_UNITS_PER_WORD 4
