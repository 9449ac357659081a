# An image whose exception no handler takes. It starts the runtime with a
# settings stream holding MESSAGE_COUNT runtime messages, then calls a
# function that raises (a NilObjectException, or a new EndException when
# RAISES_END is 1) and holds a handler for the other class, which does not
# fit. The runtime ends the process; the exit codes below say that code ran
# that should not have.
        .include "tests/images/conventions.inc"

        .set END_EXCEPTION, 0       # class indices of the class table below
        .set NIL_OBJECT_EXCEPTION, 1
.if RAISES_END
        .set OTHER_CLASS, NIL_OBJECT_EXCEPTION
.else
        .set OTHER_CLASS, END_EXCEPTION
.endif
        .set EXIT_PAST_THE_RAISE, 97
        .set EXIT_IN_THE_WRONG_HANDLER, 98

        .text
        .globl _zoltic_entry
_zoltic_entry:
        prologue 4
        movl $0, -4(%ebp)
        pushl $_zoltic_app
        call RuntimeInit
        site
        addl $4, %esp
        call raise_past_a_handler
        site
        pushl $EXIT_PAST_THE_RAISE
        call "!Xkernel32.dll!ExitProcess"
        site
        epilogue
        end_trailer

raise_past_a_handler:
        prologue 4
        movl $0, -4(%ebp)
.if RAISES_END
        pushl $END_EXCEPTION
        call RuntimeNewObject
        site
        addl $4, %esp
        pushl %eax
        call RuntimeRaiseException
        site
.else
        call RuntimeNilObject
        site
.endif
        jmp raise_past_a_handler_end
wrong_handler:
        leal -4(%ebp), %esp
        pushl $EXIT_IN_THE_WRONG_HANDLER
        call "!Xkernel32.dll!ExitProcess"
        site_in_handler
raise_past_a_handler_end:
        epilogue
        handler OTHER_CLASS, wrong_handler
        end_trailer

        .data
        .globl _zoltic_app
_zoltic_app:
        .long 2, end_exception_class, nil_object_class
        .long 1, settings
end_exception_class:
        .long CLASS_RUNTIME, end_exception_name
nil_object_class:
        .long CLASS_RUNTIME, nil_object_name

# Project object of kind 4: the settings stream and its length.
settings:
        .long PROJECT_SETTINGS, 0, settings_end - settings_stream
settings_stream:
        .byte 0                 # flag
        .long 0                 # reserved word
        .long 0                 # character-set code
        .byte 0                 # no file types
        .byte MESSAGE_COUNT
        .byte 0, 0, 0           # messages 0 to 2 are empty
        packed_text "Message 3 is not the one for unhandled exceptions"
.if MESSAGE_COUNT > 4
        packed_text "An exception of class %1 was not handled."
.endif
        .byte 0                 # not a multiple-document application
        .byte 0                 # no frame title
settings_end:

        literal end_exception_name, "EndException"
        literal nil_object_name, "NilObjectException"
