[Common]
About=about.rtf
HTML=html\index.htm
[Artist]
Name=Blue Band
History=blue\history.txt
Albums=1

[Album]
Name=First Light
Year=1999
Picture=blue\first\cover.jpg
Songs=2

[Song]
Title=Morning
File=blue\first\01.mp3

[Song]
Title=Evening
File=..\first\02.mp3
Text=\blue\first\02.txt

