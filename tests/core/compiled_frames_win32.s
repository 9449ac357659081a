# Functions written as compiled Zoltic code is written (EBP frames, a
# call-site list after every call, one "leave; ret" with its cleanup trailer)
# that raise exceptions through the real stack, for the tests of raising.
# They lie between frames_code_begin and frames_code_end, which the tests
# make the image's code1. Class indices of the test's class table:
        .include "tests/images/conventions.inc"

        .set RUNTIME_EXCEPTION, 0
        .set NIL_OBJECT_EXCEPTION, 1
        .set OUT_OF_BOUNDS_EXCEPTION, 2

        .text
        .globl _frames_code_begin
_frames_code_begin:

# call_compiled(routine, a, b, c): calls routine(a, b, c) and returns its
# result. C++ expects EBX, ESI and EDI kept across a call, but a handler is
# entered with whatever the abandoned runtime frames left in them; they are
# saved here, in the frame, and restored from it.
        .globl _call_compiled
_call_compiled:
        prologue 16
        movl $0, -4(%ebp)
        movl %ebx, -8(%ebp)
        movl %esi, -12(%ebp)
        movl %edi, -16(%ebp)
        pushl 20(%ebp)
        pushl 16(%ebp)
        pushl 12(%ebp)
        call *8(%ebp)
        site
        movl -8(%ebp), %ebx
        movl -12(%ebp), %esi
        movl -16(%ebp), %edi
        epilogue
        end_trailer

# catch_here(exception): raises it and catches it in its own handler for
# NilObjectException; returns the caught exception with its reference.
        .globl _catch_here
_catch_here:
        prologue 4
        movl $0, -4(%ebp)
        pushl 8(%ebp)
        call _RuntimeRaiseException
        site
        movl $0, %eax           # not reached: raising returns only into a handler
        jmp catch_here_end
catch_here_handler:
        leal -4(%ebp), %esp
        movl -4(%ebp), %eax
        movl $0, -4(%ebp)
catch_here_end:
        epilogue
        handler NIL_OBJECT_EXCEPTION, catch_here_handler
        end_trailer

# outer(exception, string, object) calls middle, which calls inner, which
# holds the string and the object in locals and raises. Outer's first
# handler (OutOfBoundsException) does not fit; its second, for the
# superclass RuntimeException, takes the exception and returns it.
        .globl _outer
_outer:
        prologue 4
        movl $0, -4(%ebp)
        pushl 16(%ebp)
        pushl 12(%ebp)
        pushl 8(%ebp)
        call middle
        site
        addl $12, %esp
        movl $0, %eax
        jmp outer_end
outer_wrong_handler:
        leal -4(%ebp), %esp
        movl $0, %eax           # the test sees no exception come back
        jmp outer_end
outer_handler:
        leal -4(%ebp), %esp
        movl -4(%ebp), %eax
        movl $0, -4(%ebp)
outer_end:
        epilogue
        handler OUT_OF_BOUNDS_EXCEPTION, outer_wrong_handler
        handler RUNTIME_EXCEPTION, outer_handler
        end_trailer

# middle pushes its own references to the string and the object as
# arguments; the call-site list releases them when an exception passes.
middle:
        prologue 4
        movl $0, -4(%ebp)
        pushl 12(%ebp)
        call _RuntimeLockString
        site
        addl $4, %esp
        pushl 16(%ebp)
        call _RuntimeLockObject
        site
        addl $4, %esp
        pushl %eax              # the object, owned by this call
        pushl 12(%ebp)          # the string, owned by this call
        pushl 8(%ebp)
        call inner
        site_releasing 4, 8
        addl $12, %esp
        epilogue
        end_trailer

# inner keeps its own references in a string local and an object local,
# which its trailer releases.
inner:
        prologue 12
        movl $0, -4(%ebp)
        movl $0, -8(%ebp)
        movl $0, -12(%ebp)
        pushl 12(%ebp)
        call _RuntimeLockString
        site
        addl $4, %esp
        movl 12(%ebp), %eax
        movl %eax, -8(%ebp)
        pushl 16(%ebp)
        call _RuntimeLockObject
        site
        addl $4, %esp
        movl %eax, -12(%ebp)
        pushl 8(%ebp)
        call _RuntimeRaiseException
        site
        epilogue
        release_string -8
        release_object -12
        end_trailer

# handler_caller(first, second) calls handler_owner, whose handler takes the
# first exception and raises the second from inside itself. The second must
# pass handler_owner's own handler and reach handler_caller's, which returns
# it.
        .globl _handler_caller
_handler_caller:
        prologue 4
        movl $0, -4(%ebp)
        pushl 12(%ebp)
        pushl 8(%ebp)
        call handler_owner
        site
        addl $8, %esp
        movl $0, %eax
        jmp handler_caller_end
handler_caller_handler:
        leal -4(%ebp), %esp
        movl -4(%ebp), %eax
        movl $0, -4(%ebp)
handler_caller_end:
        epilogue
        handler RUNTIME_EXCEPTION, handler_caller_handler
        end_trailer

handler_owner:
        prologue 4
        movl $0, -4(%ebp)
        pushl 8(%ebp)
        call _RuntimeRaiseException
        site
handler_owner_handler:
        leal -4(%ebp), %esp
        pushl 12(%ebp)
        call _RuntimeRaiseException
        site_in_handler
        epilogue
        handler RUNTIME_EXCEPTION, handler_owner_handler
        end_trailer

# guarded(exception, frame offset, return address) calls corrupt_frame and
# takes, in its handler for RuntimeException, what comes back.
# corrupt_frame overwrites its own saved frame pointer with its frame
# pointer plus the offset unless that is 0, and its return address unless
# that is 0, then raises. With either corrupted the walk cannot trust the
# frame above, so it must end there, unhandled, instead of reaching
# guarded's handler or following the damage.
        .globl _guarded
_guarded:
        prologue 4
        movl $0, -4(%ebp)
        pushl 16(%ebp)
        pushl 12(%ebp)
        pushl 8(%ebp)
        call corrupt_frame
        site
        addl $12, %esp
        movl $0, %eax
        jmp guarded_end
guarded_handler:
        leal -4(%ebp), %esp
        movl -4(%ebp), %eax
        movl $0, -4(%ebp)
guarded_end:
        epilogue
        handler RUNTIME_EXCEPTION, guarded_handler
        end_trailer

corrupt_frame:
        prologue 4
        movl $0, -4(%ebp)
        movl 12(%ebp), %eax
        testl %eax, %eax
        jz corrupt_frame_return
        addl %ebp, %eax
        movl %eax, (%ebp)
corrupt_frame_return:
        movl 16(%ebp), %eax
        testl %eax, %eax
        jz corrupt_frame_raise
        movl %eax, 4(%ebp)
corrupt_frame_raise:
        pushl 8(%ebp)
        call _RuntimeRaiseException
        site
        epilogue
        end_trailer

        .globl _frames_code_end
_frames_code_end:
