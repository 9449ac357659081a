# An image whose plug-in list holds only entries the runtime must skip: a
# library without ZOLTPluginMain, an entry whose name is empty, bytes that
# are no library, and an entry whose size runs past data1 (last, since the
# runtime cannot trust anything of it). The program must start without a
# message: it ends with exit code 7 right after RuntimeInit.
        .include "tests/images/conventions.inc"

        .set EXIT_STARTED, 7

        .text
        .globl _zoltic_entry
_zoltic_entry:
        prologue 4
        movl $0, -4(%ebp)
        pushl $no_entry
        call Win32InstallPlugins
        site
        addl $4, %esp
        pushl $_zoltic_app
        call RuntimeInit
        site
        addl $4, %esp
        pushl $EXIT_STARTED
        call "!Xkernel32.dll!ExitProcess"
        site
        epilogue
        end_trailer

        .data
        .globl _zoltic_app
_zoltic_app:
        .long 0                 # no classes
        .long 0                 # no project objects

# An entry: next, size (that of an entry with an empty name and library, plus
# the name and the library), a reserved word, the name's length, the name,
# the library.
        .macro plugin_entry next, name, library_start, library_end
        .long \next, PLUGIN_ENTRY_EMPTY_SIZE + (9f - 8f) + (\library_end - \library_start), 0
        .byte 9f - 8f
8:      .ascii "\name"
9:
        .endm

        .balign 4
no_entry:
        plugin_entry nameless, no_entry.dll, no_entry_library, no_entry_end
no_entry_library:
        .incbin "no_entry.dll"
no_entry_end:
        .balign 4
nameless:
        .long garbage, PLUGIN_ENTRY_EMPTY_SIZE + 0 + 4, 0
        .byte 0
        .ascii "MZ.."
        .balign 4
garbage:
        plugin_entry past_the_end, garbage.dll, garbage_library, garbage_end
garbage_library:
        .ascii "MZ but no library at all"
garbage_end:
        .balign 4
past_the_end:
        .long 0, 0x100000, 0
        .byte 8
        .ascii "huge.dll"
        .ascii "MZ"
