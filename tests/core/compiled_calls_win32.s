# Compiled-style code for the test of the runtime's calls into compiled
# code (tests/core/compiled_frames_win32_test.cpp): a routine that changes
# the registers C++ callers expect kept, and a probe that calls it through
# the runtime.
        .include "tests/images/conventions.inc"

        .text
# scramble_registers(): compiled code need not keep EBX, ESI and EDI, and
# after a caught exception it does not; this one changes them on purpose.
        .globl _scramble_registers
_scramble_registers:
        prologue 4
        movl $0, -4(%ebp)
        movl $0x5C5C5C5C, %ebx
        movl $0x5C5C5C5C, %esi
        movl $0x5C5C5C5C, %edi
        movl $0, %eax
        epilogue
        end_trailer

# registers_kept(routine): sets EBX, ESI and EDI to known values, has the
# runtime call the compiled routine as it calls event handlers (through
# call_code_without_arguments), and returns 1 when the three came back
# unchanged. The caller's values are kept in the frame meanwhile.
        .globl _registers_kept
_registers_kept:
        prologue 16
        movl $0, -4(%ebp)
        movl %ebx, -8(%ebp)
        movl %esi, -12(%ebp)
        movl %edi, -16(%ebp)
        movl $0x0B0B0B0B, %ebx
        movl $0x05050505, %esi
        movl $0x0D0D0D0D, %edi
        pushl 8(%ebp)
        call _call_code_without_arguments
        site
        addl $4, %esp
        movl $0, %eax
        cmpl $0x0B0B0B0B, %ebx
        jne registers_kept_end
        cmpl $0x05050505, %esi
        jne registers_kept_end
        cmpl $0x0D0D0D0D, %edi
        jne registers_kept_end
        movl $1, %eax
registers_kept_end:
        movl -8(%ebp), %ebx
        movl -12(%ebp), %esi
        movl -16(%ebp), %edi
        epilogue
        end_trailer

