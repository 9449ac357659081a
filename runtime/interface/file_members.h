// The properties and methods of folder items and streams, in declaration
// order. Delimiter and LittleEndian are plain fields read and written by the
// general field accessors; the special folders of a folder item are one
// routine told apart by the parameter word.
#pragma once

#include "runtime/interface/declarations.h"
#include "runtime/interface/file_layout.h"

namespace zif {

inline constexpr PropertyDecl folder_item_properties[] = {
    {"AbsolutePath", "String", "fileAbsolutePathGetter", "", 0},
    {"Name", "String", "fileNameGetter", "fileNameSetter", 0},
    {"Length", "Integer", "fileSizeGetter", "", 0},
    {"Exists", "Boolean", "fileExistsGetter", "", 0},
    {"Directory", "Boolean", "fileDirectoryGetter", "", 0},
    {"Locked", "Boolean", "fileLockedGetter", "fileLockedSetter", 0},
    {"Visible", "Boolean", "fileVisibleGetter", "fileVisibleSetter", 0},
    {"CreationDate", "Date", "folderGetCreation", "folderSetCreation", 0},
    {"ModificationDate", "Date", "folderGetModified", "folderSetModified", 0},
    {"Parent", "FolderItem", "folderParentGetter", "", 0},
    {"Type", "String", "fileTypeGetter", "", 0},
    {"Count", "Integer", "fileCountGetter", "", 0},
    {"MacType", "String", "fileMacTypeGetter", "fileMacTypeSetter", 0},
    {"MacCreator", "String", "fileMacCreatorGetter", "fileMacCreatorSetter", 0},
    {"ResourceForkLength", "Integer", "fileRFSizeGetter", "", 0},
    {"Alias", "Boolean", "fileAliasGetter", "", 0},
    {"DesktopFolder", "FolderItem", "folderFindFolder", "", 1},
    {"TrashFolder", "FolderItem", "folderFindFolder", "", 2},
    {"SharedTrashFolder", "FolderItem", "folderFindFolder", "", 3},
    {"TemporaryFolder", "FolderItem", "folderFindFolder", "", 4},
};

inline constexpr MethodDecl folder_item_methods[] = {
    {"Child(name As String) As FolderItem", "FolderChild"},
    {"TrueChild(name As String) As FolderItem", "FolderTrueChild"},
    {"Item(index As Integer) As FolderItem", "FolderItemItem"},
    {"TrueItem(index As Integer) As FolderItem", "FolderItemTrueItem"},
    {"OpenAsTextFile() As TextInputStream", "FolderItemOpenTextFile"},
    {"CreateTextFile() As TextOutputStream", "FolderItemCreateTextFile"},
    {"AppendToTextFile() As TextOutputStream", "FolderItemAppendTextFile"},
    {"OpenAsBinaryFile(readWrite As Boolean) As BinaryStream", "FolderItemOpenBinaryFile"},
    {"CreateBinaryFile(fileType As String) As BinaryStream", "FolderItemCreateBinaryFile"},
    {"Delete()", "FolderItemDelete"},
    {"CreateAsFolder()", "FolderItemCreateAsFolder"},
    {"CopyFileTo(destination As FolderItem)", "FolderItemCopyFileTo"},
    {"MoveFileTo(destination As FolderItem)", "FolderItemMoveFileTo"},
    {"Launch()", "FolderItemLaunch"},
    {"OpenResourceFork() As Object", "FolderItemOpenResourceFork"},
    {"CreateResourceFork(fileType As String) As Object", "FolderItemCreateResourceFork"},
    {"OpenAsSound() As Sound", "FolderItemOpenSound"},
    {"SaveAsPicture(image As Picture)", "FolderItemSaveAsPicture"},
    {"SaveAsJPEG(image As Picture)", "FolderItemSaveAsJPEG"},
    {"OpenAsPicture() As Picture", "FolderItemOpenImage"},
};

inline constexpr PropertyDecl text_input_stream_properties[] = {
    {"EOF", "Boolean", "TextInputStreamEOF", "", 0},
};

inline constexpr MethodDecl text_input_stream_methods[] = {
    {"ReadLine() As String", "TextInputStreamReadLine"},
    {"ReadAll() As String", "TextInputStreamReadAll"},
    {"Close()", "TextInputStreamClose"},
};

inline constexpr PropertyDecl text_output_stream_properties[] = {
    {"Delimiter", "String", "stringGetter", "stringSetter", text_output_fields::delimiter},
};

inline constexpr MethodDecl text_output_stream_methods[] = {
    {"WriteLine(line As String)", "TextOutputStreamWriteLine"},
    {"Write(text As String)", "TextOutputStreamWrite"},
    {"Close()", "TextOutputStreamClose"},
};

inline constexpr PropertyDecl binary_stream_properties[] = {
    {"LittleEndian", "Boolean", "booleanGetter", "booleanSetter", binary_stream_fields::little_endian},
    {"EOF", "Boolean", "BinaryStreamEOF", "", 0},
    {"Length", "Integer", "BinaryStreamGetLength", "BinaryStreamSetLength", 0},
    {"Position", "Integer", "BinaryStreamGetPosition", "BinaryStreamSetPosition", 0},
};

inline constexpr MethodDecl binary_stream_methods[] = {
    {"ReadByte() As Integer", "BinaryStreamReadByte"},
    {"ReadShort() As Integer", "BinaryStreamReadShort"},
    {"ReadLong() As Integer", "BinaryStreamReadLong"},
    {"ReadSingle() As Double", "BinaryStreamReadFloat"},
    {"ReadDouble() As Double", "BinaryStreamReadDouble"},
    {"ReadPString() As String", "BinaryStreamReadPString"},
    {"Read(count As Integer) As String", "BinaryStreamRead"},
    {"WriteByte(value As Integer)", "BinaryStreamWriteByte"},
    {"WriteShort(value As Integer)", "BinaryStreamWriteShort"},
    {"WriteLong(value As Integer)", "BinaryStreamWriteLong"},
    {"WriteSingle(value As Double)", "BinaryStreamWriteFloat"},
    {"WriteDouble(value As Double)", "BinaryStreamWriteDouble"},
    {"WritePString(text As String)", "BinaryStreamWritePString"},
    {"Write(text As String)", "BinaryStreamWrite"},
    {"Close()", "BinaryStreamClose"},
};

}  // namespace zif
