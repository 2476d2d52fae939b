<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="zh_CN">
<context>
    <name>AgeAnalysis</name>
    <message numerus="yes">
        <source>回收站中有 %1 前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>%n Element im Papierkorb wurde vor dem %1 gelöscht</numerusform>
            <numerusform>%n Elemente im Papierkorb wurden vor dem %1 gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>回收站中有 %1 天前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>%n Element im Papierkorb wurde vor %1 oder mehr Tagen gelöscht</numerusform>
            <numerusform>%n Elemente im Papierkorb wurden vor %1 oder mehr Tagen gelöscht</numerusform>
        </translation>
    </message>
    <message>
        <source>合计占用空间：%1MB</source>
        <translation>Belegter Speicher insgesamt: %1 MB</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>删除日期</source>
        <translation>Löschdatum</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>Ursprungsort</translation>
    </message>
    <message>
        <source>项目类型</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>Änderungsdatum</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 只能给出一次</source>
        <translation>%1 darf nur einmal angegeben werden</translation>
    </message>
    <message>
        <source>%1 的“%2”不是大小：请写数字加 K、M、G 或 T（如 500M、1.5G），或不超过 100% 的卷容量百分比（如 10%）</source>
        <translation>%1: „%2“ ist keine Größe; erwartet wird eine Zahl mit K, M, G oder T (etwa 500M oder 1.5G) oder ein Anteil am Datenträger bis 100 % (etwa 10%)</translation>
    </message>
    <message>
        <source>--all 已包含所有项目，不能再与 --purge-days、--purge-before、--max-size 或 --min-free 一起使用</source>
        <translation>--all umfasst bereits alle Elemente und kann nicht mit --purge-days, --purge-before, --max-size oder --min-free kombiniert werden</translation>
    </message>
    <message>
        <source>--quiet 和 --verbose 只能选一个</source>
        <translation>nur eine der Optionen --quiet und --verbose angeben</translation>
    </message>
    <message>
        <source>%1 需要 --purge-days、--purge-before、--max-size、--min-free 或 --all</source>
        <translation>%1 benötigt --purge-days, --purge-before, --max-size, --min-free oder --all</translation>
    </message>
    <message>
        <source>用法：velmora [选项]

按删除日期或占用空间有选择地清空回收站。不带选项时打开主窗口。

选项：
  -h, --help            显示本帮助并退出
  -v, --version         显示版本并退出
  --purge-days N        不打开窗口，永久删除 N 天前删除的项目
                        （N 的写法同天数框；不能是负数）
  --purge-before DATE   不打开窗口，永久删除该日期之前删除的项目
                        （2026-11-01、20261101 或本地的短日期；
                        不能晚于今天）
  --dry-run             不删除任何东西：输出分析结果，再为每个将被
                        删除的项目输出一行：删除日期、大小、原位置，
                        以制表符分隔（控制字符、不是 UTF-8 的字节和
                        % 写作 %XX）
  --all                 不打开窗口，永久删除回收站中的所有项目
  --max-size SIZE       每个回收站（家目录的、各卷的）删到其项目不超过
                        SIZE，最旧的先删
  --min-free SIZE       从卷上的回收站删除最旧的项目，直到该卷至少有
                        SIZE 可用空间
                        SIZE：数字加 K、M、G 或 T（1024 的幂），
                        或卷容量的百分比（10%）
  --json                在标准输出写一个 JSON 文档；文字信息改写到标准错误
  --quiet               只输出错误
  --verbose             每个删除或未能删除的项目各输出一行（路径的
                        写法同 --dry-run）
  --trash-dir DIR       只读取这个回收站目录（~/.local/share/Trash、
                        /media/usb/.Trash-1000、/media/usb/.Trash/1000）；
                        可以给出多次

清除的退出状态：
  0 全部删除（--dry-run：分析成功）
  1 有项目未能删除
  2 选项、天数、日期或大小有误，未删除任何东西
  3 另一个清除正在进行
  4 某项的文字无法转换；之前的项目已删除
  5 无法读取回收站，未删除任何东西；或某个卷未及时响应（其项目保留）

也接受 Qt 的选项，如 -platform、-style。
</source>
        <translation>Aufruf: velmora [Optionen]

Leert den Papierkorb gezielt, nach Löschdatum oder belegtem Speicher. Ohne
Optionen öffnet velmora das Hauptfenster.

Optionen:
  -h, --help            diese Hilfe anzeigen und beenden
  -v, --version         die Version anzeigen und beenden
  --purge-days N        ohne Fenster die Elemente dauerhaft löschen, die vor
                        mehr als N Tagen gelöscht wurden (N wie im Fenster;
                        nicht negativ)
  --purge-before DATE   ohne Fenster die Elemente dauerhaft löschen, die vor
                        DATE gelöscht wurden (2026-11-01, 20261101 oder das
                        kurze Datum des Gebietsschemas; nicht nach heute)
  --dry-run             nichts löschen: die Analyse ausgeben, dann eine Zeile
                        je Element, das gelöscht würde: Löschdatum, Größe und
                        Ursprungsort, durch Tabulatoren getrennt
                        (Steuerzeichen, ungültige UTF-8-Bytes und % als %XX)
  --all                 ohne Fenster alle Elemente dauerhaft löschen, gleich
                        welchen Datums
  --max-size SIZE       jeden Papierkorb (den persönlichen, den jedes
                        Datenträgers) verkleinern, bis seine Elemente
                        höchstens SIZE belegen, die ältesten zuerst
  --min-free SIZE       die ältesten Elemente aus dem Papierkorb eines
                        Datenträgers löschen, bis dieser mindestens SIZE frei
                        hat
                        SIZE: eine Zahl mit K, M, G oder T (Potenzen von
                        1024) oder ein Anteil an der Größe des Datenträgers
                        (10%)
  --json                ein JSON-Dokument auf die Standardausgabe schreiben;
                        die Texte gehen auf die Standardfehlerausgabe
  --quiet               nur Fehler ausgeben
  --verbose             eine Zeile mehr je gelöschtem oder verbliebenem
                        Element (Pfade wie bei --dry-run geschrieben)
  --trash-dir DIR       nur dieses Papierkorbverzeichnis lesen
                        (~/.local/share/Trash, /media/usb/.Trash-1000,
                        /media/usb/.Trash/1000); mehrfach angebbar

Exit-Status eines Löschvorgangs:
  0 alle infrage kommenden Elemente sind gelöscht (--dry-run: die Analyse ist
    gelungen)
  1 einige Elemente sind verblieben
  2 falsche Option, Anzahl der Tage, falsches Datum oder falsche Größe; nichts
    gelöscht
  3 ein anderer Löschvorgang läuft bereits
  4 der Text einer Zeile ließ sich unterwegs nicht umwandeln; die Elemente
    davor sind gelöscht
  5 der Papierkorb ließ sich nicht lesen (nichts gelöscht), oder ein
    Datenträger hat nicht rechtzeitig geantwortet (seine Elemente bleiben)

Qts eigene Optionen wie -platform und -style werden ebenfalls angenommen.
</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值</source>
        <translation>nach %1 fehlt der Wert</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值，例如 %1 %2</source>
        <translation>nach %1 fehlt der Wert, etwa %1 %2</translation>
    </message>
    <message>
        <source>%1 不带值：请只写 %1，而不是“%2”</source>
        <translation>%1 akzeptiert keinen Wert; erwartet wird %1 allein, nicht „%2“</translation>
    </message>
    <message>
        <source>未知选项“%1”：可用的选项见 velmora --help</source>
        <translation>unbekannte Option „%1“; die Optionen zeigt velmora --help</translation>
    </message>
    <message>
        <source>无法读取命令行：用法见 velmora --help</source>
        <translation>die Befehlszeile konnte nicht gelesen werden; die Verwendung zeigt velmora --help</translation>
    </message>
    <message>
        <source>多余的参数“%1”：velmora 只接受选项，见 velmora --help</source>
        <translation>überzähliges Argument „%1“; velmora nimmt nur Optionen an (siehe velmora --help)</translation>
    </message>
    <message>
        <source>--purge-days 和 --purge-before 只能给出一个，且只能一次</source>
        <translation>nur eine der Optionen --purge-days und --purge-before angeben, und nur einmal</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Could not convert variant of type (%1) into type (%2)</source>
        <translation>Variante vom Typ (%1) konnte nicht in den Typ (%2) umgewandelt werden</translation>
    </message>
    <message>
        <source>Overflow while converting variant of type (%1) into type (%2)</source>
        <translation>Überlauf beim Umwandeln einer Variante vom Typ (%1) in den Typ (%2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist kein gültiger Gleitkommawert</translation>
    </message>
    <message>
        <source>&apos;&apos;%1&apos;&apos; is not a valid integer value</source>
        <translation>„%1“ ist kein gültiger Ganzzahlwert</translation>
    </message>
    <message>
        <source>Overflow: the cut-off falls before 1 January of year 1</source>
        <translation>Überlauf: Der Stichtag liegt vor dem 1. Januar des Jahres 1</translation>
    </message>
    <message>
        <source>&apos;%1.%2&apos; is not a valid timestamp</source>
        <translation>„%1.%2“ ist kein gültiger Zeitstempel</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>文件夹</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>%1 文件</source>
        <translation>%1-Datei</translation>
    </message>
</context>
<context>
    <name>ItemBoxes</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Purge</name>
    <message numerus="yes">
        <source>删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>%n Element gelöscht</numerusform>
            <numerusform>%n Elemente gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>未能删除：%n项</source>
        <translation>
            <numerusform>%n Element konnte nicht gelöscht werden</numerusform>
            <numerusform>%n Elemente konnten nicht gelöscht werden</numerusform>
        </translation>
    </message>
    <message>
        <source>释放空间：%1</source>
        <translation>Freigegebener Speicher: %1</translation>
    </message>
</context>
<context>
    <name>PurgeCommand</name>
    <message>
        <source>“%1”不是回收站目录：请写家目录的回收站（如 ~/.local/share/Trash，只能一个）、卷上的 .Trash-%2 或 .Trash/%2</source>
        <translation>„%1“ ist kein Papierkorbverzeichnis; erwartet wird der Papierkorb im persönlichen Ordner (etwa ~/.local/share/Trash, nur einer) oder .Trash-%2 bzw. .Trash/%2 auf einem Datenträger</translation>
    </message>
    <message>
        <source>未能读取回收站目录“%1”：它不存在、不是本用户的、是链接，或不符合其种类的要求</source>
        <translation>das Papierkorbverzeichnis „%1“ konnte nicht gelesen werden: Es fehlt, gehört nicht Ihnen, ist ein Link oder besteht die Prüfungen seiner Art nicht</translation>
    </message>
    <message>
        <source>“%1” 不是日期：请写 2026-11-01、20261101 或 %2</source>
        <translation>„%1“ ist kein Datum; erwartet wird 2026-11-01, 20261101 oder die lokale Form %2</translation>
    </message>
    <message>
        <source>“%1” 的年份不在 %2 到 %3 之间</source>
        <translation>das Jahr von „%1“ liegt nicht zwischen %2 und %3</translation>
    </message>
    <message>
        <source>%1 在今天之后：这样的清除会清空整个回收站，请写今天或更早的日期</source>
        <translation>%1 liegt nach dem heutigen Tag, und ein solcher Löschvorgang würde den ganzen Papierkorb leeren; erwartet wird heute oder ein früheres Datum</translation>
    </message>
    <message>
        <source>“%1”不是天数：请写 0 或更大的整数，如 30</source>
        <translation>„%1“ ist keine Anzahl von Tagen; erwartet wird eine ganze Zahl ab 0, etwa 30</translation>
    </message>
    <message>
        <source>天数“%1”是负数：请写 0 或更大的整数，如 30</source>
        <translation>die Anzahl der Tage „%1“ ist negativ; erwartet wird eine ganze Zahl ab 0, etwa 30</translation>
    </message>
    <message>
        <source>天数“%1”太大：截止日期超出了可以表示的范围</source>
        <translation>die Anzahl der Tage „%1“ ist zu groß; der Stichtag läge außerhalb des darstellbaren Bereichs</translation>
    </message>
    <message>
        <source>卷“%1”未及时响应，未读取其中的回收站</source>
        <translation>der Datenträger „%1“ hat nicht rechtzeitig geantwortet; sein Papierkorb wurde nicht gelesen</translation>
    </message>
    <message>
        <source>计划删除文件或文件夹：%1项<byte value="xd"/>合计占用空间：%2MB</source>
        <translation>Zu entfernende Dateien oder Ordner: %1<byte value="xd"/>Davon belegter Speicher: %2 MB</translation>
    </message>
    <message>
        <source>已删除：%1</source>
        <translation>Entfernt: %1</translation>
    </message>
    <message>
        <source>未能删除：%1</source>
        <translation>Nicht entfernt: %1</translation>
    </message>
    <message>
        <source>卷“%1”即使删除所有可删除的项目，可用空间仍少 %2 字节</source>
        <translation>dem Datenträger „%1“ fehlen %2 Byte freier Speicher, selbst wenn alle infrage kommenden Elemente entfernt sind</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：清除在这一项停止，之前的项目已删除</source>
        <translation>Ein Eintrag der Liste ist nicht lesbar; der Löschvorgang hat dort angehalten, die Einträge davor sind gelöscht</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：未删除任何项目</source>
        <translation>Ein Eintrag der Liste ist nicht lesbar; nichts wurde gelöscht</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：清除在这一项停止，之前的项目已删除</source>
        <translation>Der Text „%1“ der Liste ist kein lesbares Datum und keine lesbare Größe; der Löschvorgang hat dort angehalten, die Einträge davor sind gelöscht</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：未删除任何项目</source>
        <translation>Der Text „%1“ der Liste ist kein lesbares Datum und keine lesbare Größe; nichts wurde gelöscht</translation>
    </message>
</context>
<context>
    <name>PurgeProgress</name>
    <message>
        <source>清除中：%1/%2 项，已释放 %3MB</source>
        <translation>Wird entfernt: %1/%2 Elemente, %3 MB freigegeben</translation>
    </message>
</context>
<context>
    <name>PurgeQuestion</name>
    <message numerus="yes">
        <source>将永久删除 %n项（共 %1），此操作无法撤销。是否继续？</source>
        <translation>
            <numerusform>%n Element (insgesamt %1) wird dauerhaft gelöscht. Dies kann nicht rückgängig gemacht werden. Fortfahren?</numerusform>
            <numerusform>%n Elemente (insgesamt %1) werden dauerhaft gelöscht. Dies kann nicht rückgängig gemacht werden. Fortfahren?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>是</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>RemovalPermit</name>
    <message>
        <source>另一个清除正在进行</source>
        <translation>Ein anderer Löschvorgang läuft bereits</translation>
    </message>
    <message>
        <source>无法锁定回收站，未删除任何项目</source>
        <translation>Der Papierkorb konnte nicht gesperrt werden; es wurde nichts gelöscht</translation>
    </message>
</context>
<context>
    <name>SupportAddress</name>
    <message>
        <source>help.html</source>
        <translation>help.en.html</translation>
    </message>
</context>
<context>
    <name>Totals</name>
    <message numerus="yes">
        <source>%n个</source>
        <comment>count of items</comment>
        <translation>
            <numerusform>%n Element</numerusform>
            <numerusform>%n Elemente</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrashSource</name>
    <message>
        <source>内存不足，未能读取回收站</source>
        <translation>Nicht genügend Arbeitsspeicher: Der Papierkorb konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>无法读取回收站“%1”：%2</source>
        <translation>Papierkorb „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>velmora::ItemCommands</name>
    <message numerus="yes">
        <source>%1 字节</source>
        <translation>
            <numerusform>%1 Byte</numerusform>
            <numerusform>%1 Byte</numerusform>
        </translation>
    </message>
    <message>
        <source>正在还原…</source>
        <translation>Wird wiederhergestellt…</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置已存在同名项目。</source>
        <translation>„%1“ konnte nicht wiederhergestellt werden: Am Ursprungsort gibt es bereits ein Element mit demselben Namen.</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置无效。</source>
        <translation>„%1“ konnte nicht wiederhergestellt werden: Der Ursprungsort ist ungültig.</translation>
    </message>
    <message>
        <source>无法还原“%1”。</source>
        <translation>„%1“ konnte nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>确实要永久删除此项吗？

%1</source>
        <translation>Soll dieses Element wirklich dauerhaft gelöscht werden?

%1</translation>
    </message>
    <message>
        <source>无法完全删除“%1”。</source>
        <translation>„%1“ konnte nicht vollständig gelöscht werden.</translation>
    </message>
    <message>
        <source>Rename to %1 failed</source>
        <translation>Umbenennen in %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>Ursprung</translation>
    </message>
    <message>
        <source>删除日期</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>占用空间</source>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Datengröße</translation>
    </message>
    <message>
        <source>包含</source>
        <translation>Enthält</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件夹</source>
        <translation>
            <numerusform>%n Ordner</numerusform>
            <numerusform>%n Ordner</numerusform>
        </translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>存储位置</source>
        <translation>Ablageort</translation>
    </message>
</context>
<context>
    <name>velmora::ItemMenu</name>
    <message>
        <source>还原</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Eigenschaften</translation>
    </message>
</context>
<context>
    <name>velmora::PieChart</name>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>velmora::PurgeProgressWindow</name>
    <message>
        <source>取消</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>正在清除…</source>
        <translation>Wird entfernt…</translation>
    </message>
</context>
<context>
    <name>velmora::TFindDialog</name>
    <message>
        <source>查找</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>查找内容(&amp;N):</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>全字匹配(&amp;W)</source>
        <translation>Ganze &amp;Wörter</translation>
    </message>
    <message>
        <source>区分大小写(&amp;C)</source>
        <translation>Groß/&amp;klein</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>向上(&amp;U)</source>
        <translation>&amp;Oben</translation>
    </message>
    <message>
        <source>向下(&amp;D)</source>
        <translation>&amp;Unten</translation>
    </message>
    <message>
        <source>查找下一个(&amp;F)</source>
        <translation>Wei&amp;ter</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>velmora::TForm1</name>
    <message>
        <source>安全清理回收站</source>
        <translation>Papierkorb sicher aufräumen</translation>
    </message>
    <message>
        <source>回收站</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>分析</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>按日期：清除</source>
        <translation>Vor dem</translation>
    </message>
    <message>
        <source>之前删除到回收站的文件</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>按天数：清除</source>
        <translation>Gelöscht vor</translation>
    </message>
    <message>
        <source>天之前删除到回收站中的文件</source>
        <translation>Tagen oder früher</translation>
    </message>
    <message>
        <source>关于&quot;%1&quot;</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>回收站中已删除文件、文件夹共：</source>
        <translation>Gelöschte Dateien und Ordner im Papierkorb:</translation>
    </message>
    <message>
        <source>合计占用空间：</source>
        <translation>Speicherbedarf:</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Suchen</translation>
    </message>
    <message numerus="yes">
        <source>不可用的卷：%n个</source>
        <translation>
            <numerusform>%n Datenträger nicht verfügbar</numerusform>
            <numerusform>%n Datenträger nicht verfügbar</numerusform>
        </translation>
    </message>
    <message>
        <source>搜索结束！</source>
        <translation>Suche beendet.</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmAbout</name>
    <message>
        <source>技术支持：</source>
        <translation>Support:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmAnalyze</name>
    <message>
        <source>占用空间饼图</source>
        <translation>Kreisdiagramm des belegten Speichers</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 - 分析</source>
        <translation>%1 - Analyse</translation>
    </message>
    <message>
        <source> 指定时间前删除文件占用空间</source>
        <translation> Speicher der vor dem gewählten Zeitpunkt gelöschten Dateien</translation>
    </message>
    <message>
        <source> 其它时间删除文件占用空间</source>
        <translation> Speicher der zu anderen Zeiten gelöschten Dateien</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmProperties</name>
    <message>
        <source>%1 属性</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>%1：</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
