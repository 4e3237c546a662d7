' Uses the six controls as a script does: creates each by ProgID, reads and writes properties,
' and passes byte arrays held in variables from one member to another. Prints the closing line
' only when every check held (a runtime error ends a script silently, so the test looks for it).
Option Explicit

Sub Check(condition, what)
  If Not condition Then
    WScript.Echo "FAILED: " & what
    WScript.Quit 1
  End If
End Sub

Dim images, compose, compare, clipboard, compress, animate, capture
Set images = CreateObject("OrvaneTest.Images")
Set compose = CreateObject("OrvaneImageCompose.ImageCompose")
Set compare = CreateObject("OrvaneImageCompare.ImageCompare.1")
Set clipboard = CreateObject("OrvaneImageClipboard.ImageClipboard")
Set compress = CreateObject("OrvaneImageCompress.ImageCompress.1")
Set animate = CreateObject("OrvaneImageAnimate.ImageAnimate")
Set capture = CreateObject("OrvaneImageCapture.ImageCapture.1")

' Each control describes itself through its type library.
Check TypeName(compose) = "IImageCompose", "compose type " & TypeName(compose)
Check TypeName(compare) = "IImageCompare", "compare type " & TypeName(compare)
Check TypeName(clipboard) = "IImageClipboard", "clipboard type " & TypeName(clipboard)
Check TypeName(compress) = "IImageCompress", "compress type " & TypeName(compress)
Check TypeName(animate) = "IImageAnimate", "animate type " & TypeName(animate)
Check TypeName(capture) = "IImageCapture", "capture type " & TypeName(capture)

' Properties.
compose.TilesWidth = 4
compose.TilesHeight = -2
Check compose.TilesWidth = 4, "TilesWidth " & compose.TilesWidth
Check compose.TilesHeight = -2, "TilesHeight " & compose.TilesHeight
animate.FrameDelay = 40
animate.BackColor = &HFF
Check animate.FrameDelay = 40, "FrameDelay " & animate.FrameDelay
Check animate.BackColor = 255, "BackColor " & animate.BackColor
compose.TilesWidth = 0
compose.TilesHeight = 0

' Images in variables: made by one object, handed to the composer, rendered in place.
Dim first, last, frame, before
first = images.Uniform(8, 6, 200)
last = images.Uniform(8, 6, 100)
frame = images.Uniform(8, 6, 7)
compose.SetFirstImage first
compose.SetLastImage last
before = images.Identity(frame)
compose.Fade frame, 50, 0
Check images.Identity(frame) = before, "the frame array was replaced"
Check images.Pixel(frame, 3, 2, 1) = 150, "half-way fade " & images.Pixel(frame, 3, 2, 1)
compose.Fade frame, 0, 0
Check images.Pixel(frame, 7, 5, 2) = 200, "position 0 shows the first image"
compose.Fade frame, 100, 10
Check images.Pixel(frame, 0, 0, 0) = 100, "position 100 shows the last image"

' A rendered frame goes on as the next first image.
compose.Fade frame, 25, 0
compose.SetFirstImage frame
compose.Fade frame, 100, 0
compose.Fade frame, 0, 0
Check images.Pixel(frame, 1, 1, 0) = 175, "a rendered frame as first image " & images.Pixel(frame, 1, 1, 0)

' A variable that holds nothing is a missing image: nothing happens and it stays empty.
Dim missing
compose.Fade missing, 50, 0
Check IsEmpty(missing), "an empty variable stays empty"

WScript.Echo "ORVANE SCRIPT CHECKS PASSED"
