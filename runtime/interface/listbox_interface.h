// The list box: where its instances keep their fields, its properties,
// methods and events, and its exported routines. Compiled subclasses place
// their fields after the instance size, so no offset may move.
#pragma once

#include "runtime/interface/control_layout.h"
#include "runtime/interface/declarations.h"

namespace zif::listbox_fields {

inline constexpr std::int32_t text_font = 88;          // runtime string
inline constexpr std::int32_t text_size = 92;          // signed 16-bit
inline constexpr std::int32_t bold = 94;               // 8-bit Booleans from here to use_focus_ring
inline constexpr std::int32_t italic = 95;
inline constexpr std::int32_t underline = 96;
inline constexpr std::int32_t hierarchical = 97;
inline constexpr std::int32_t enable_drag = 98;
inline constexpr std::int32_t has_heading = 99;
inline constexpr std::int32_t use_focus_ring = 100;
inline constexpr std::int32_t selection_type = 104;    // 0 one row, 1 several rows
inline constexpr std::int32_t column_count = 108;      // 1..63
inline constexpr std::int32_t column_widths = 112;     // runtime string: the column widths text
inline constexpr std::int32_t computed_widths = 116;   // 64 signed 16-bit widths in pixels
inline constexpr std::int32_t column_types = 244;      // 64 bytes
inline constexpr std::int32_t column_alignments = 308; // 64 bytes
inline constexpr std::int32_t column_alignment_offsets = 372;  // 64 signed 16-bit values
inline constexpr std::int32_t last_index = 500;        // the row added or inserted last
inline constexpr std::int32_t data_source = 504;       // bound with BindList (reference), 0 for none
inline constexpr std::int32_t initial_value = 508;     // runtime string
inline constexpr std::int32_t selection_receivers = 512;  // the runtime's list of receivers, 0 for none
inline constexpr std::int32_t reporting_change = 516;  // 8-bit Boolean: a Change event is running
inline constexpr std::int32_t heading_index = 520;     // the heading pressed last, -1 for none
inline constexpr std::int32_t instance_size = 524;

inline constexpr std::int32_t column_limit = 63;

}  // namespace zif::listbox_fields

namespace zif {

inline constexpr PropertyDecl listbox_properties[] = {
    {"TextFont", "String", "listTextFontGetter", "listTextFontSetter", listbox_fields::text_font},
    {"TextSize", "Integer", "listTextSizeGetter", "listTextSizeSetter", listbox_fields::text_size},
    {"Bold", "Boolean", "listBoldGetter", "listBoldSetter", listbox_fields::bold},
    {"Italic", "Boolean", "listItalicGetter", "listItalicSetter", listbox_fields::italic},
    {"Underline", "Boolean", "listUnderlineGetter", "listUnderlineSetter", listbox_fields::underline},
    {"ListCount", "Integer", "listCountGetter", "", 0},
    {"ListIndex", "Integer", "listSelectionGetter", "listSelectionSetter", 0},
    {"Text", "String", "listTextGetter", "listTextSetter", 0},
    {"ColumnCount", "Integer", "listColumnCountGetter", "listColumnCountSetter", listbox_fields::column_count},
    {"ColumnWidths", "String", "listColumnWidthsGetter", "listColumnWidthsSetter", listbox_fields::column_widths},
    {"Hierarchical", "Boolean", "booleanGetter", "booleanSetter", listbox_fields::hierarchical},
    {"LastIndex", "Integer", "listLastIndexGetter", "", 0},
    {"EnableDrag", "Boolean", "booleanGetter", "listEnableDragSetter", listbox_fields::enable_drag},
    {"SelectionType", "Integer", "integerGetter", "integerSetter", listbox_fields::selection_type},
    {"SelCount", "Integer", "listSelCountGetter", "", 0},
    {"InitialValue", "String", "stringGetter", "stringSetter", listbox_fields::initial_value},
    {"HasHeading", "Boolean", "booleanGetter", "booleanSetter", listbox_fields::has_heading},
    {"UseFocusRing", "Boolean", "booleanGetter", "booleanSetter", listbox_fields::use_focus_ring},
    {"HeadingIndex", "Integer", "listHeadingIndexGetter", "listHeadingIndexSetter", 0},
    // With arguments: list.Cell(row, column) reads, list.Cell(row, column) = t sets.
    {"List", "String", "RuntimeGetRow", "RuntimeSetRow", 0, "row As Integer"},
    {"Cell", "String", "listGetCell", "listSetCell", 0, "row As Integer, column As Integer"},
    {"CellBold", "Boolean", "listGetCellBold", "listSetCellBold", 0, "row As Integer, column As Integer"},
    {"CellItalic", "Boolean", "listGetCellItalic", "listSetCellItalic", 0, "row As Integer, column As Integer"},
    {"CellUnderline", "Boolean", "listGetCellUnderline", "listSetCellUnderline", 0,
     "row As Integer, column As Integer"},
    {"RowPicture", "Picture", "listGetRowPicture", "listSetRowPicture", 0, "row As Integer"},
    {"Selected", "Boolean", "listGetSelected", "listSetSelected", 0, "row As Integer"},
    {"Expanded", "Boolean", "listGetExpanded", "listSetExpanded", 0, "row As Integer"},
    {"Heading", "String", "listGetHeading", "listSetHeading", 0, "column As Integer"},
    {"CellCheck", "Boolean", "listCellCheckGetter", "listCellCheckSetter", 0, "row As Integer, column As Integer"},
    {"CellType", "Integer", "listCellTypeGetter", "listCellTypeSetter", 0, "row As Integer, column As Integer"},
    {"ColumnType", "Integer", "listColumnTypeGetter", "listColumnTypeSetter", 0, "column As Integer"},
    {"CellAlignment", "Integer", "listCellAlignmentGetter", "listCellAlignmentSetter", 0,
     "row As Integer, column As Integer"},
    {"CellAlignmentOffset", "Integer", "listCellAlignmentOffsetGetter", "listCellAlignmentOffsetSetter", 0,
     "row As Integer, column As Integer"},
    {"ColumnAlignment", "Integer", "listColumnAlignmentGetter", "listColumnAlignmentSetter", 0, "column As Integer"},
    {"ColumnAlignmentOffset", "Integer", "listColumnAlignmentOffsetGetter", "listColumnAlignmentOffsetSetter", 0,
     "column As Integer"},
};

inline constexpr MethodDecl listbox_methods[] = {
    {"DeleteAllRows()", "RuntimeListEmpty"},
    {"AddRow(text As String)", "RuntimeListAddRow"},
    {"AddFolder(text As String)", "RuntimeListAddParent"},
    {"InsertRow(row As Integer, text As String)", "RuntimeListInsertRow"},
    {"RemoveRow(row As Integer)", "RuntimeRemoveRow"},
    {"EditCell(row As Integer, column As Integer)", "listEditCell"},
    {"addListSelectionNotificationReceiver(receiver As Object)", "listAddLSNR"},
    {"removeListSelectionNotificationReceiver(receiver As Object)", "listRemoveLSNR"},
    {"BindList(source As Object)", "listBindList"},
    {"getBoundPart(name As String) As Object", "listGetBoundPart"},
    {"listDataInsertedRow(row As Integer)", "listDataInsertedRow"},
    {"listDataRemovedRow(row As Integer)", "listDataRemovedRow"},
    {"listDataReload()", "listDataReload"},
};

inline constexpr EventDecl listbox_events[] = {
    {"Change", "", "", 701},
    {"DoubleClick", "", "", 1001},
    {"KeyDown", "Key As String", "Boolean", 401},
    {"EnableMenuItems", "", "", 0},
    {"ExpandRow", "Row As Integer", "", 0},
    {"CollapseRow", "Row As Integer", "", 0},
    {"DragRow", "drag As DragItem, row As Integer", "Boolean", 0},
    {"SortColumn", "column As Integer", "Boolean", 0},
    {"CellAction", "Row As Integer, Column As Integer", "", 0},
    {"GotFocus", "", "", 0},
    {"LostFocus", "", "", 0},
};

inline constexpr RoutineDecl listbox_routines[] = {
    {"RuntimeListEmpty", 'v', "o"},
    {"RuntimeListAddRow", 'v', "os"},
    {"RuntimeListAddParent", 'v', "os"},
    {"RuntimeListInsertRow", 'v', "ois"},
    {"RuntimeRemoveRow", 'v', "oi"},
    {"RuntimeGetRow", 's', "oi"},
    {"RuntimeSetRow", 'v', "ois"},
    {"listTextFontGetter", 's', "oi"},
    {"listTextFontSetter", 'v', "ois"},
    {"listTextSizeGetter", 'i', "oi"},
    {"listTextSizeSetter", 'v', "oii"},
    {"listBoldGetter", 'b', "oi"},
    {"listBoldSetter", 'v', "oib"},
    {"listItalicGetter", 'b', "oi"},
    {"listItalicSetter", 'v', "oib"},
    {"listUnderlineGetter", 'b', "oi"},
    {"listUnderlineSetter", 'v', "oib"},
    {"listCountGetter", 'i', "oi"},
    {"listSelectionGetter", 'i', "oi"},
    {"listSelectionSetter", 'v', "oii"},
    {"listTextGetter", 's', "oi"},
    {"listTextSetter", 'v', "ois"},
    {"listColumnCountGetter", 'i', "oi"},
    {"listColumnCountSetter", 'v', "oii"},
    {"listColumnWidthsGetter", 's', "oi"},
    {"listColumnWidthsSetter", 'v', "ois"},
    {"listLastIndexGetter", 'i', "oi"},
    {"listEnableDragSetter", 'v', "oib"},
    {"listSelCountGetter", 'i', "oi"},
    {"listHeadingIndexGetter", 'i', "oi"},
    {"listHeadingIndexSetter", 'v', "oii"},
    {"listGetCell", 's', "oii"},
    {"listSetCell", 'v', "oiis"},
    {"listGetCellBold", 'b', "oii"},
    {"listSetCellBold", 'v', "oiib"},
    {"listGetCellItalic", 'b', "oii"},
    {"listSetCellItalic", 'v', "oiib"},
    {"listGetCellUnderline", 'b', "oii"},
    {"listSetCellUnderline", 'v', "oiib"},
    {"listCellCheckGetter", 'b', "oii"},
    {"listCellCheckSetter", 'v', "oiib"},
    {"listCellTypeGetter", 'i', "oii"},
    {"listCellTypeSetter", 'v', "oiii"},
    {"listCellAlignmentGetter", 'i', "oii"},
    {"listCellAlignmentSetter", 'v', "oiii"},
    {"listCellAlignmentOffsetGetter", 'i', "oii"},
    {"listCellAlignmentOffsetSetter", 'v', "oiii"},
    {"listColumnTypeGetter", 'i', "oi"},
    {"listColumnTypeSetter", 'v', "oii"},
    {"listColumnAlignmentGetter", 'i', "oi"},
    {"listColumnAlignmentSetter", 'v', "oii"},
    {"listColumnAlignmentOffsetGetter", 'i', "oi"},
    {"listColumnAlignmentOffsetSetter", 'v', "oii"},
    {"listGetRowPicture", 'o', "oi"},
    {"listSetRowPicture", 'v', "oio"},
    {"listGetSelected", 'b', "oi"},
    {"listSetSelected", 'v', "oib"},
    {"listGetExpanded", 'b', "oi"},
    {"listSetExpanded", 'v', "oib"},
    {"listGetHeading", 's', "oi"},
    {"listSetHeading", 'v', "ois"},
    {"listEditCell", 'v', "oii"},
    {"listAddLSNR", 'v', "oo"},
    {"listRemoveLSNR", 'v', "oo"},
    {"listBindList", 'v', "oo"},
    {"listGetBoundPart", 'o', "os"},
    {"listDataInsertedRow", 'v', "oi"},
    {"listDataRemovedRow", 'v', "oi"},
    {"listDataReload", 'v', "o"},
};

}  // namespace zif
