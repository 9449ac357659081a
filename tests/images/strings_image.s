# An image that links runtime routines by name (one of them written in lower
# case), library routines of kernel32 through "!X" imports, and reaches its
# data through every kind of fixup: code-to-data references (code2 records),
# data pointers to data and to code (data2 runs). It joins two literal
# strings, appends the length as text, keeps the part from position 8 and
# writes it to result.txt, then ends the process with the length as its
# exit code, so that the test sees both that it ran and what it computed.
        .include "tests/images/conventions.inc"

        .text
        .globl _zoltic_entry
_zoltic_entry:
        prologue 16             # -4 first local, -8 length text, -12 joined, -16 tail
        movl $0, -4(%ebp)
        pushl $world            # a code-to-data reference to a literal
        pushl greeting          # a data pointer the data2 runs relocated
        call RuntimeAddString
        site
        addl $8, %esp
        movl %eax, joined       # a global, reached by a code-to-data reference
        pushl joined
        call stringdbcslen
        site
        addl $4, %esp
        movl %eax, length
        pushl %eax
        call IntToFP            # the length as a double, on the x87 stack
        site
        addl $4, %esp
        subl $8, %esp           # a double argument takes two stack words
        fstpl (%esp)
        call StringStr
        site
        addl $8, %esp
        movl %eax, -8(%ebp)
        pushl %eax
        pushl joined
        call RuntimeAddString
        site
        addl $8, %esp
        movl %eax, -12(%ebp)
        pushl $8
        pushl %eax
        call StringDBCSMid2
        site
        addl $8, %esp
        movl %eax, -16(%ebp)
        pushl %eax
        call *writer            # a code address in data, relocated by data2
        site
        addl $4, %esp
        pushl -16(%ebp)         # each call of one routine is a link of its chain
        call RuntimeUnlockString
        site
        pushl -12(%ebp)
        call RuntimeUnlockString
        site
        pushl -8(%ebp)
        call RuntimeUnlockString
        site
        pushl joined
        call RuntimeUnlockString
        site
        addl $16, %esp
        pushl length
        call "!Xkernel32.dll!ExitProcess"
        site
        epilogue
        end_trailer

# Writes the string argument to result.txt. The kernel32 routines remove
# their own arguments.
write_result:
        prologue 8              # -4 first local, -8 file handle
        movl $0, -4(%ebp)
        pushl $0
        pushl $result_name
        call "!Xkernel32.dll!_lcreat"
        site
        movl %eax, -8(%ebp)
        pushl 8(%ebp)
        call StringDBCSLen
        site
        addl $4, %esp
        pushl %eax
        pushl 8(%ebp)
        call StringGetCString
        site
        addl $4, %esp
        pushl %eax
        pushl -8(%ebp)
        call "!Xkernel32.dll!_lwrite"
        site
        pushl -8(%ebp)
        call "!Xkernel32.dll!_lclose"
        site
        epilogue
        end_trailer

        .data
        .globl _zoltic_app
_zoltic_app:
        .long 0                 # no classes
        .long 0                 # no project objects
greeting:
        .long hello
writer:
        .long write_result
joined:
        .long 0
length:
        .long 0
result_name:
        .asciz "result.txt"

        literal hello, "Hello, "
        literal world, "world"
