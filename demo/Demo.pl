[Common]
About=readme.rtf
Photos=photos
HTML=html\index.htm
Clips=clips
[Artist]
Name=Северный ветер
History=veter\history.rtf
Albums=2

[Album]
Name=Первый снег
Year=2001
Picture=veter\sneg\cover.jpg
Retsenzia=veter\sneg\review.rtf
Songs=2

[Song]
Title=Первый снег
File=veter\sneg\01.mp3
Text=veter\sneg\01.rtf
Comment=Запись с репетиции

[Song]
Title=Зимняя дорога
File=veter\sneg\02.mp3
Text=veter\sneg\02.txt

[Album]
Name=Дорога домой
Year=2004
Picture=veter\doroga\cover.wmf
Retsenzia=veter\doroga\review.txt
Songs=2

[Song]
Title=Огни вокзала
File=veter\doroga\01.mp3
Text=veter\doroga\01.txt

[Song]
Title=Дом у реки
File=veter\doroga\02.mp3
Picture=photos\stage.jpg

[Artist]
Name=Анна Лесная
History=lesnaya\history.txt
PicPaths=lesnaya\pics.txt
Albums=1

[Album]
Name=Тихая гавань
Year=2003
Picture=lesnaya\gavan\cover.bmp
Retsenzia=lesnaya\gavan\review.txt
Songs=2

[Song]
Title=Тихая гавань
File=lesnaya\gavan\01.mp3
Text=lesnaya\gavan\01.rtf
Comment=Моно

[Song]
Title=Колыбельная
File=lesnaya\gavan\02.mp3

