// Target settings that GCC's build would generate for the unwinder. The
// compiler predefines the rest (-fbuilding-libgcc); i386 numbers its unwind
// columns as its DWARF registers.
#define DWARF_REG_TO_UNWIND_COLUMN(REGNO) (REGNO)
