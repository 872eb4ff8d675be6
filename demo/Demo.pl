[Common]
About=readme.rtf
Photos=photos
HTML=html\index.htm
Clips=clips
[Artist]
Name=Северный ветер
History=histories\01-Северный ветер.rtf
Albums=2

[Album]
Name=Первый снег
Year=2001
Picture=covers\01-Северный ветер\2001.jpg
Retsenzia=reviews\01-Северный ветер\2001.rtf
Songs=2

[Song]
Title=Первый снег
File=mp3\01-Северный ветер\2001 - Первый снег\01.mp3
Text=mp3\01-Северный ветер\2001 - Первый снег\01.rtf
Comment=Демо-диск

[Song]
Title=Зимняя дорога
File=mp3\01-Северный ветер\2001 - Первый снег\02.mp3
Text=mp3\01-Северный ветер\2001 - Первый снег\02.txt

[Album]
Name=Дорога домой
Year=2004
Picture=covers\01-Северный ветер\2004.wmf
Retsenzia=reviews\01-Северный ветер\2004.txt
Songs=2

[Song]
Title=Огни вокзала
File=mp3\01-Северный ветер\2004 - Дорога домой\01.mp3
Text=mp3\01-Северный ветер\2004 - Дорога домой\01.txt

[Song]
Title=Дом у реки
File=mp3\01-Северный ветер\2004 - Дорога домой\02.mp3
Picture=photos\stage.jpg

[Artist]
Name=Анна Лесная
History=histories\02-Анна Лесная.txt
PicPaths=lesnaya\pics.txt
Albums=1

[Album]
Name=Тихая гавань
Year=2003
Picture=covers\02-Анна Лесная\2003.bmp
Retsenzia=reviews\02-Анна Лесная\2003.txt
Songs=2

[Song]
Title=Тихая гавань
File=mp3\02-Анна Лесная\2003 - Тихая гавань\01.mp3
Text=mp3\02-Анна Лесная\2003 - Тихая гавань\01.rtf
Comment=Моно-запись

[Song]
Title=02 Колыбельная.mp3
File=mp3\02-Анна Лесная\2003 - Тихая гавань\02 Колыбельная.mp3

