' Copies every file that inputs.txt names, one path a line, into copy1.txt,
' copy2.txt and so on, line by line: each line read is written with the
' default line end. Then shows how many files it copied, and where: a new
' folder item is the program's folder.
Class Copier Inherits Application
  Event Open()
    Dim names As TextInputStream = GetFolderItem("inputs.txt").OpenAsTextFile()
    Dim count As Integer
    While Not names.EOF
      Dim source As FolderItem = GetFolderItem(names.ReadLine())
      count = count + 1
      CopyLines(source, GetFolderItem("copy" + Str(count) + ".txt"))
    Wend
    names.Close
    Dim home As FolderItem = New FolderItem
    MsgBox "copied " + Str(count) + " in " + home.AbsolutePath
  End Event

  Sub CopyLines(source As FolderItem, target As FolderItem)
    Dim reader As TextInputStream = source.OpenAsTextFile()
    Dim writer As TextOutputStream = target.CreateTextFile()
    While Not reader.EOF
      writer.WriteLine(reader.ReadLine())
    Wend
    reader.Close
    writer.Close
  End Sub
End Class
