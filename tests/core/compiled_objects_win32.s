# Classes written as compiled Zoltic code and its class descriptors are
# written, for the tests of the object model through the runtime's exported
# routines (compiled_objects_win32_test.cpp). The code lies between
# objects_code_begin and objects_code_end, the descriptors and the data
# between objects_data_begin and objects_data_end; the tests make them the
# image's code1 and data1.
#
# Base inherits the runtime's Application (whose events it can handle),
# Middle inherits Base and implements Named, Leaf inherits Middle. Every
# constructor and destructor notes its mark and the class record it was
# given in the lifecycle log.
        .include "tests/images/conventions.inc"

        .set NAMED, 0               # class indices of the class table below
        .set BASE, 1
        .set MIDDLE, 2
        .set LEAF, 3
        .set STRANGER, 4
        .set ILLEGAL_CAST_EXCEPTION, 5
        .set APPLICATION, 6
        .set HELD_FIELD, 28         # Base's object field, after Application's 28 bytes
        .set OPEN_KEY, 7            # the key of both Open handlers
        .set LOG_ENTRIES, 8

        .text
        .globl _objects_code_begin
_objects_code_begin:

# A routine that takes one argument and returns what `call` gives.
.macro one_argument_routine name, routine
        .globl _\name
_\name:
        prologue 4
        movl $0, -4(%ebp)
        pushl 8(%ebp)
        call \routine
        site
        addl $4, %esp
        epilogue
        end_trailer
.endm

# new_object(class index): a new instance of the class.
        one_argument_routine new_object, _RuntimeNewObject
# release(object): gives up the caller's reference.
        one_argument_routine release, _RuntimeUnlockObject

# is_a(object, class index): RuntimeObjectIsa's answer.
        .globl _is_a
_is_a:
        prologue 4
        movl $0, -4(%ebp)
        pushl 12(%ebp)
        pushl 8(%ebp)
        call _RuntimeObjectIsa
        site
        addl $8, %esp
        andl $0xFF, %eax
        epilogue
        end_trailer

# cast_passes(object, class index): 1 when the checked cast passes; 0 when
# it raises, which this function's handler for IllegalCastException takes.
        .globl _cast_passes
_cast_passes:
        prologue 4
        movl $0, -4(%ebp)
        pushl 12(%ebp)
        pushl 8(%ebp)
        call _RuntimeCheckCast
        site
        addl $8, %esp
        movl $1, %eax
        jmp cast_passes_end
cast_failed:
        leal -4(%ebp), %esp
        pushl -4(%ebp)
        call _RuntimeUnlockObject
        site_in_handler
        movl $0, -4(%ebp)
        movl $0, %eax
cast_passes_end:
        epilogue
        handler ILLEGAL_CAST_EXCEPTION, cast_failed
        end_trailer

# call_found(object): calls the routine in EAX with the object, or gives -1
# when there is none. Part of the three calls below.
.macro call_found_routine_with object
        testl %eax, %eax
        jz 1f
        pushl \object
        call *%eax
        site
        addl $4, %esp
        jmp 2f
1:
        movl $-1, %eax
2:
.endm

# virtual_area(object): the method in slot 0 of its class's virtual table.
        .globl _virtual_area
_virtual_area:
        prologue 4
        movl $0, -4(%ebp)
        pushl $0
        pushl 8(%ebp)
        call _FindVTableCode
        site
        addl $8, %esp
        call_found_routine_with 8(%ebp)
        epilogue
        end_trailer

# named_describe(object): Named's first method through the object's class.
        .globl _named_describe
_named_describe:
        prologue 4
        movl $0, -4(%ebp)
        pushl $NAMED
        pushl $1
        pushl 8(%ebp)
        call _FindInterfaceVTableCode
        site
        addl $12, %esp
        call_found_routine_with 8(%ebp)
        epilogue
        end_trailer

# hook_result(object, key): the hook for the key, called.
        .globl _hook_result
_hook_result:
        prologue 4
        movl $0, -4(%ebp)
        pushl 12(%ebp)
        pushl 8(%ebp)
        call _RuntimeFindHookCode
        site
        addl $8, %esp
        call_found_routine_with 8(%ebp)
        epilogue
        end_trailer

# hold(object, value): stores the value into Base's object field.
        .globl _hold
_hold:
        prologue 4
        movl $0, -4(%ebp)
        pushl 12(%ebp)
        pushl $HELD_FIELD
        pushl 8(%ebp)
        call _objSetter
        site
        addl $12, %esp
        epilogue
        end_trailer

# A routine that returns a constant, as the methods and handlers below do.
.macro constant_routine name, value
\name:
        prologue 4
        movl $0, -4(%ebp)
        movl $\value, %eax
        epilogue
        end_trailer
.endm

        constant_routine base_area, 1
        constant_routine middle_area, 2
        constant_routine leaf_area, 3
        constant_routine middle_describe, 20
        constant_routine base_open, 100
        constant_routine middle_open, 200

# note_lifecycle(mark, class record): appends an entry to the log.
note_lifecycle:
        prologue 4
        movl $0, -4(%ebp)
        movl lifecycle_count, %eax
        cmpl $LOG_ENTRIES, %eax
        jae note_lifecycle_end
        movl 8(%ebp), %ecx
        movl %ecx, lifecycle_log(, %eax, 8)
        movl 12(%ebp), %ecx
        movl %ecx, lifecycle_log + 4(, %eax, 8)
        incl lifecycle_count
note_lifecycle_end:
        epilogue
        end_trailer

# A constructor or destructor (instance, class record) that notes its mark.
.macro lifecycle_routine name, mark
\name:
        prologue 4
        movl $0, -4(%ebp)
        pushl 12(%ebp)
        pushl $\mark
        call note_lifecycle
        site
        addl $8, %esp
        epilogue
        end_trailer
.endm

        lifecycle_routine base_constructor, 0x42  # B
        lifecycle_routine middle_constructor, 0x4D  # M
        lifecycle_routine leaf_constructor, 0x4C  # L
        lifecycle_routine middle_destructor, 0x6D  # m
        lifecycle_routine leaf_destructor, 0x6C  # l

# Base's destructor also releases what Base's field holds, as compiled
# destructors release the properties of their class.
base_destructor:
        prologue 4
        movl $0, -4(%ebp)
        pushl 12(%ebp)
        pushl $0x62             # b
        call note_lifecycle
        site
        addl $8, %esp
        movl 8(%ebp), %eax
        pushl HELD_FIELD(%eax)
        call _RuntimeUnlockObject
        site
        addl $4, %esp
        epilogue
        end_trailer

        .globl _objects_code_end
_objects_code_end:

        .data
        .globl _objects_data_begin
_objects_data_begin:

        .globl _objects_application
_objects_application:
        .long 7, named_class, base_class, middle_class, leaf_class, stranger_class
        .long illegal_cast_class, application_class
        .long 0                 # no project objects

# Descriptor words: kind 0, size, name, superclass, lifecycle, interface
# flag, interfaces, methods, handlers, constants, the table word and the
# virtual table.
named_class:
        .long CLASS_PROGRAM, 16, named_name, NO_SUPERCLASS, 0, 1
        .long 0                 # interfaces
        .long 1, describe_name  # an interface's methods have only names
        .long 0, 0, 0
base_class:
        .long CLASS_PROGRAM, 32, base_name, APPLICATION, 1, base_constructor, base_destructor, 0
        .long 0
        .long 1, area_name, base_area
        .long 1, open_name, base_open, OPEN_KEY
        .long 0, 0, base_area
middle_class:
        .long CLASS_PROGRAM, 36, middle_name, BASE, 1, middle_constructor, middle_destructor, 0
        .long 1, NAMED
        .long 2, area_name, middle_area, describe_name, middle_describe
        .long 1, open_name, middle_open, OPEN_KEY
        .long 0, 0, middle_area
leaf_class:
        .long CLASS_PROGRAM, 40, leaf_name, MIDDLE, 1, leaf_constructor, leaf_destructor, 0
        .long 0
        .long 1, area_name, leaf_area
        .long 0, 0, 0, leaf_area
stranger_class:
        .long CLASS_PROGRAM, 16, stranger_name, NO_SUPERCLASS, 0, 0
        .long 0, 0, 0, 0, 0
illegal_cast_class:
        .long CLASS_RUNTIME, illegal_cast_name
application_class:
        .long CLASS_RUNTIME, application_name

# The lifecycle log: pairs of mark and class record, and their count.
        .globl _lifecycle_log, _lifecycle_count
_lifecycle_log:
lifecycle_log:
        .fill 2 * LOG_ENTRIES, 4, 0
_lifecycle_count:
lifecycle_count:
        .long 0

        literal named_name, "Named"
        literal base_name, "Base"
        literal middle_name, "Middle"
        literal leaf_name, "Leaf"
        literal stranger_name, "Stranger"
        literal describe_name, "Describe"
        literal area_name, "Area"
        literal open_name, "Open"
        literal illegal_cast_name, "IllegalCastException"
        literal application_name, "Application"

        .globl _objects_data_end
_objects_data_end:
