' Classes with properties, constructors and destructors, inheritance,
' overriding, casts and IsA. Destructors write into a global log, shown
' at the end, so each object is seen to go exactly once.
'
' The cat goes when its variable is cleared, the robin when the method
' that held it returns; the cast that fails is taken by its handler.
' expect: cat:...:4 robin:tweet:2 2w none refused 15 ~cat
' expect: after:~cat~robin
Dim Log As String

Class Animal
  Property Name As String
  Property Legs As Integer
  Sub Constructor(n As String)
    Name = n
    Legs = 4
  End Sub
  Sub Destructor()
    Log = Log + "~" + Name
  End Sub
  Function Sound() As String
    Return "..."
  End Function
  Function Describe() As String
    Return Name + ":" + Sound() + ":" + Str(Legs)
  End Function
End Class

Class Bird Inherits Animal
  Property Wings As Integer
  Sub Constructor(n As String)
    Name = n
    Legs = 2
    Wings = 2
  End Sub
  Function Sound() As String
    Return "tweet"
  End Function
End Class

Class Counter
  Property Count As Integer
  Sub Constructor()
    Count = 10
  End Sub
End Class

Class Zoo Inherits Application
  Function Kinds(a As Animal) As String
    If a IsA Bird Then Return Str(Bird(a).Wings) + "w"
    Return "none"
  End Function

  Function WrongCast(a As Animal) As String
    Dim b As Bird = Bird(a)
    Return "cast"
  Exception err As IllegalCastException
    Return "refused"
  End Function

  Function Animals() As String
    Dim cat As Animal = New Animal("cat")
    Dim robin As Animal = New Bird("robin")
    Dim c As Counter = New Counter
    c.Count = c.Count + 5
    Dim text As String = cat.Describe() + " " + robin.Describe() + " " + Kinds(robin) + " " + Kinds(cat)
    text = text + " " + WrongCast(cat) + " " + Str(c.Count)
    cat = Nil
    text = text + " " + Log
    Return text
  End Function

  Event Open()
    MsgBox Animals()
    MsgBox "after:" + Log
  End Event
End Class
