<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>AgeAnalysis</name>
    <message numerus="yes">
        <source>回收站中有 %1 前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>В корзине %n объект, удалённый до %1</numerusform>
            <numerusform>В корзине %n объекта, удалённых до %1</numerusform>
            <numerusform>В корзине %n объектов, удалённых до %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>回收站中有 %1 天前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>В корзине %n объект, удалённый %1 или более дней назад</numerusform>
            <numerusform>В корзине %n объекта, удалённых %1 или более дней назад</numerusform>
            <numerusform>В корзине %n объектов, удалённых %1 или более дней назад</numerusform>
        </translation>
    </message>
    <message>
        <source>合计占用空间：%1MB</source>
        <translation>Всего занято: %1 МБ</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>删除日期</source>
        <translation>Дата удаления</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>Исходное расположение</translation>
    </message>
    <message>
        <source>项目类型</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>Дата изменения</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 只能给出一次</source>
        <translation>%1 можно указать только один раз</translation>
    </message>
    <message>
        <source>%1 的“%2”不是大小：请写数字加 K、M、G 或 T（如 500M、1.5G），或不超过 100% 的卷容量百分比（如 10%）</source>
        <translation>%1: «%2» не является размером; ожидается число с K, M, G или T (например, 500M или 1.5G) либо доля объёма тома не более 100% (например, 10%)</translation>
    </message>
    <message>
        <source>--all 已包含所有项目，不能再与 --purge-days、--purge-before、--max-size 或 --min-free 一起使用</source>
        <translation>--all уже охватывает все объекты; его нельзя сочетать с --purge-days, --purge-before, --max-size или --min-free</translation>
    </message>
    <message>
        <source>--quiet 和 --verbose 只能选一个</source>
        <translation>укажите только один из параметров --quiet и --verbose</translation>
    </message>
    <message>
        <source>%1 需要 --purge-days、--purge-before、--max-size、--min-free 或 --all</source>
        <translation>для %1 нужен один из параметров --purge-days, --purge-before, --max-size, --min-free или --all</translation>
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
        <translation>Использование: velmora [параметры]

Выборочно очищает корзину — по дате удаления или по занимаемому месту. Без
параметров открывает главное окно.

Параметры:
  -h, --help            показать эту справку и выйти
  -v, --version         показать версию и выйти
  --purge-days N        без окна безвозвратно удалить объекты, удалённые
                        в корзину более N дней назад (N как в окне;
                        не отрицательное)
  --purge-before DATE   без окна безвозвратно удалить объекты, удалённые
                        в корзину до DATE (2026-11-01, 20261101 или краткая
                        местная дата; не позже сегодняшнего дня)
  --dry-run             ничего не удалять: вывести анализ, затем по строке
                        на каждый объект, который был бы удалён: дата
                        удаления, размер и исходное расположение через
                        табуляцию (управляющие символы, байты не в UTF-8
                        и % записываются как %XX)
  --all                 без окна безвозвратно удалить все объекты, независимо
                        от даты
  --max-size SIZE       сократить каждую корзину (домашнюю и корзину каждого
                        тома), пока её объекты не займут не более SIZE,
                        начиная с самых старых
  --min-free SIZE       удалять самые старые объекты из корзины тома, пока
                        на томе не станет свободно не менее SIZE
                        SIZE: число с K, M, G или T (степени 1024) или доля
                        размера тома в процентах (10%)
  --json                вывести один документ JSON в стандартный вывод;
                        тексты идут в стандартный поток ошибок
  --quiet               выводить только ошибки
  --verbose             по строке на каждый удалённый или оставшийся объект
                        (пути записываются как при --dry-run)
  --trash-dir DIR       читать только этот каталог корзины
                        (~/.local/share/Trash, /media/usb/.Trash-1000,
                        /media/usb/.Trash/1000); можно указать несколько раз

Код возврата очистки:
  0 все подходящие объекты удалены (--dry-run: анализ выполнен)
  1 некоторые объекты удалить не удалось
  2 неверный параметр, число дней, дата или размер; ничего не удалено
  3 уже выполняется другое удаление
  4 текст одной из строк не удалось преобразовать; объекты до неё удалены
  5 не удалось прочитать корзину (ничего не удалено) или том не ответил
    вовремя (его объекты остались)

Параметры самой Qt, например -platform и -style, тоже принимаются.
</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值</source>
        <translation>после %1 не указано значение</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值，例如 %1 %2</source>
        <translation>после %1 не указано значение, например %1 %2</translation>
    </message>
    <message>
        <source>%1 不带值：请只写 %1，而不是“%2”</source>
        <translation>%1 не принимает значения; ожидается просто %1, а не «%2»</translation>
    </message>
    <message>
        <source>未知选项“%1”：可用的选项见 velmora --help</source>
        <translation>неизвестный параметр «%1»; список параметров выводит velmora --help</translation>
    </message>
    <message>
        <source>无法读取命令行：用法见 velmora --help</source>
        <translation>не удалось разобрать командную строку; справку выводит velmora --help</translation>
    </message>
    <message>
        <source>多余的参数“%1”：velmora 只接受选项，见 velmora --help</source>
        <translation>лишний аргумент «%1»; velmora принимает только параметры (см. velmora --help)</translation>
    </message>
    <message>
        <source>--purge-days 和 --purge-before 只能给出一个，且只能一次</source>
        <translation>укажите только один из параметров --purge-days и --purge-before, и только один раз</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Could not convert variant of type (%1) into type (%2)</source>
        <translation>Не удалось преобразовать значение типа (%1) в тип (%2)</translation>
    </message>
    <message>
        <source>Overflow while converting variant of type (%1) into type (%2)</source>
        <translation>Переполнение при преобразовании значения типа (%1) в тип (%2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» не является допустимым числом с плавающей точкой</translation>
    </message>
    <message>
        <source>&apos;&apos;%1&apos;&apos; is not a valid integer value</source>
        <translation>«%1» не является допустимым целым числом</translation>
    </message>
    <message>
        <source>Overflow: the cut-off falls before 1 January of year 1</source>
        <translation>Переполнение: граница приходится на время раньше 1 января 1 года</translation>
    </message>
    <message>
        <source>&apos;%1.%2&apos; is not a valid timestamp</source>
        <translation>«%1.%2» не является допустимой отметкой времени</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Индекс списка вне допустимого диапазона (%1)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>文件夹</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>%1 文件</source>
        <translation>Файл %1</translation>
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
            <numerusform>Удалён %n объект</numerusform>
            <numerusform>Удалено %n объекта</numerusform>
            <numerusform>Удалено %n объектов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>未能删除：%n项</source>
        <translation>
            <numerusform>Не удалось удалить %n объект</numerusform>
            <numerusform>Не удалось удалить %n объекта</numerusform>
            <numerusform>Не удалось удалить %n объектов</numerusform>
        </translation>
    </message>
    <message>
        <source>释放空间：%1</source>
        <translation>Освобождено: %1</translation>
    </message>
</context>
<context>
    <name>PurgeCommand</name>
    <message>
        <source>“%1”不是回收站目录：请写家目录的回收站（如 ~/.local/share/Trash，只能一个）、卷上的 .Trash-%2 或 .Trash/%2</source>
        <translation>«%1» не является каталогом корзины; ожидается домашняя корзина (например, ~/.local/share/Trash, только одна) либо .Trash-%2 или .Trash/%2 на томе</translation>
    </message>
    <message>
        <source>未能读取回收站目录“%1”：它不存在、不是本用户的、是链接，或不符合其种类的要求</source>
        <translation>не удалось прочитать каталог корзины «%1»: он отсутствует, принадлежит другому пользователю, является ссылкой или не проходит проверки своего вида</translation>
    </message>
    <message>
        <source>“%1” 不是日期：请写 2026-11-01、20261101 或 %2</source>
        <translation>«%1» не является датой; ожидается 2026-11-01, 20261101 или местная запись %2</translation>
    </message>
    <message>
        <source>“%1” 的年份不在 %2 到 %3 之间</source>
        <translation>год в «%1» не входит в диапазон от %2 до %3</translation>
    </message>
    <message>
        <source>%1 在今天之后：这样的清除会清空整个回收站，请写今天或更早的日期</source>
        <translation>%1 позже сегодняшнего дня, и такое удаление очистило бы всю корзину; ожидается сегодняшняя или более ранняя дата</translation>
    </message>
    <message>
        <source>“%1”不是天数：请写 0 或更大的整数，如 30</source>
        <translation>«%1» не является числом дней; ожидается целое число от 0, например 30</translation>
    </message>
    <message>
        <source>天数“%1”是负数：请写 0 或更大的整数，如 30</source>
        <translation>число дней «%1» отрицательное; ожидается целое число от 0, например 30</translation>
    </message>
    <message>
        <source>天数“%1”太大：截止日期超出了可以表示的范围</source>
        <translation>число дней «%1» слишком велико; граничная дата вышла бы за допустимые пределы</translation>
    </message>
    <message>
        <source>卷“%1”未及时响应，未读取其中的回收站</source>
        <translation>том «%1» не ответил вовремя; его корзина не прочитана</translation>
    </message>
    <message>
        <source>计划删除文件或文件夹：%1项<byte value="xd"/>合计占用空间：%2MB</source>
        <translation>Файлов и папок к удалению: %1<byte value="xd"/>Они занимают: %2 МБ</translation>
    </message>
    <message>
        <source>已删除：%1</source>
        <translation>Удалено: %1</translation>
    </message>
    <message>
        <source>未能删除：%1</source>
        <translation>Не удалось удалить: %1</translation>
    </message>
    <message>
        <source>卷“%1”即使删除所有可删除的项目，可用空间仍少 %2 字节</source>
        <translation>на томе «%1» по-прежнему не хватает %2 байт свободного места, даже если удалить все подходящие объекты</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：清除在这一项停止，之前的项目已删除</source>
        <translation>элемент списка не удаётся прочитать; удаление остановилось на нём, предыдущие элементы удалены</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：未删除任何项目</source>
        <translation>элемент списка не удаётся прочитать; ничего не удалено</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：清除在这一项停止，之前的项目已删除</source>
        <translation>текст «%1» в списке не является читаемой датой или размером; удаление остановилось на нём, предыдущие элементы удалены</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：未删除任何项目</source>
        <translation>текст «%1» в списке не является читаемой датой или размером; ничего не удалено</translation>
    </message>
</context>
<context>
    <name>PurgeProgress</name>
    <message>
        <source>清除中：%1/%2 项，已释放 %3MB</source>
        <translation>Удаление: %1 из %2, освобождено %3 МБ</translation>
    </message>
</context>
<context>
    <name>PurgeQuestion</name>
    <message numerus="yes">
        <source>将永久删除 %n项（共 %1），此操作无法撤销。是否继续？</source>
        <translation>
            <numerusform>%n объект (всего %1) будет удалён безвозвратно. Это действие нельзя отменить. Продолжить?</numerusform>
            <numerusform>%n объекта (всего %1) будут удалены безвозвратно. Это действие нельзя отменить. Продолжить?</numerusform>
            <numerusform>%n объектов (всего %1) будут удалены безвозвратно. Это действие нельзя отменить. Продолжить?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>是</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>RemovalPermit</name>
    <message>
        <source>另一个清除正在进行</source>
        <translation>Уже выполняется другое удаление</translation>
    </message>
    <message>
        <source>无法锁定回收站，未删除任何项目</source>
        <translation>Не удалось заблокировать корзину; ничего не удалено</translation>
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
            <numerusform>%n объект</numerusform>
            <numerusform>%n объекта</numerusform>
            <numerusform>%n объектов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrashSource</name>
    <message>
        <source>内存不足，未能读取回收站</source>
        <translation>Недостаточно памяти: не удалось прочитать корзину</translation>
    </message>
    <message>
        <source>无法读取回收站“%1”：%2</source>
        <translation>Не удалось прочитать корзину «%1»: %2</translation>
    </message>
</context>
<context>
    <name>velmora::ItemCommands</name>
    <message numerus="yes">
        <source>%1 字节</source>
        <translation>
            <numerusform>%1 байт</numerusform>
            <numerusform>%1 байта</numerusform>
            <numerusform>%1 байт</numerusform>
        </translation>
    </message>
    <message>
        <source>正在还原…</source>
        <translation>Восстановление…</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置已存在同名项目。</source>
        <translation>Не удалось восстановить «%1»: в исходном расположении уже есть объект с таким именем.</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置无效。</source>
        <translation>Не удалось восстановить «%1»: исходное расположение недопустимо.</translation>
    </message>
    <message>
        <source>无法还原“%1”。</source>
        <translation>Не удалось восстановить «%1».</translation>
    </message>
    <message>
        <source>确实要永久删除此项吗？

%1</source>
        <translation>Удалить этот объект безвозвратно?

%1</translation>
    </message>
    <message>
        <source>无法完全删除“%1”。</source>
        <translation>Не удалось полностью удалить «%1».</translation>
    </message>
    <message>
        <source>Rename to %1 failed</source>
        <translation>Не удалось переименовать в %1</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>Откуда</translation>
    </message>
    <message>
        <source>删除日期</source>
        <translation>Удалено</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>占用空间</source>
        <translation>На диске</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Данные</translation>
    </message>
    <message>
        <source>包含</source>
        <translation>Содержит</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件夹</source>
        <translation>
            <numerusform>%n папка</numerusform>
            <numerusform>%n папки</numerusform>
            <numerusform>%n папок</numerusform>
        </translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>存储位置</source>
        <translation>Хранится</translation>
    </message>
</context>
<context>
    <name>velmora::ItemMenu</name>
    <message>
        <source>还原</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Свойства</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>正在清除…</source>
        <translation>Удаление…</translation>
    </message>
</context>
<context>
    <name>velmora::TFindDialog</name>
    <message>
        <source>查找</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>查找内容(&amp;N):</source>
        <translation>&amp;Найти:</translation>
    </message>
    <message>
        <source>全字匹配(&amp;W)</source>
        <translation>&amp;Слова целиком</translation>
    </message>
    <message>
        <source>区分大小写(&amp;C)</source>
        <translation>&amp;Учёт регистра</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>向上(&amp;U)</source>
        <translation>Вв&amp;ерх</translation>
    </message>
    <message>
        <source>向下(&amp;D)</source>
        <translation>Вн&amp;из</translation>
    </message>
    <message>
        <source>查找下一个(&amp;F)</source>
        <translation>Най&amp;ти</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>velmora::TForm1</name>
    <message>
        <source>安全清理回收站</source>
        <translation>Безопасная очистка корзины</translation>
    </message>
    <message>
        <source>回收站</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>分析</source>
        <translation>Анализ</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>按日期：清除</source>
        <translation>До</translation>
    </message>
    <message>
        <source>之前删除到回收站的文件</source>
        <translation>(дата удаления)</translation>
    </message>
    <message>
        <source>按天数：清除</source>
        <translation>Более</translation>
    </message>
    <message>
        <source>天之前删除到回收站中的文件</source>
        <translation>дней назад</translation>
    </message>
    <message>
        <source>关于&quot;%1&quot;</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>回收站中已删除文件、文件夹共：</source>
        <translation>Файлов и папок в корзине:</translation>
    </message>
    <message>
        <source>合计占用空间：</source>
        <translation>Всего занято:</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Поиск</translation>
    </message>
    <message numerus="yes">
        <source>不可用的卷：%n个</source>
        <translation>
            <numerusform>%n том недоступен</numerusform>
            <numerusform>%n тома недоступны</numerusform>
            <numerusform>%n томов недоступны</numerusform>
        </translation>
    </message>
    <message>
        <source>搜索结束！</source>
        <translation>Поиск завершён.</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmAbout</name>
    <message>
        <source>技术支持：</source>
        <translation>Помощь:</translation>
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
        <translation>Круговая диаграмма занятого места</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 - 分析</source>
        <translation>%1 — анализ</translation>
    </message>
    <message>
        <source> 指定时间前删除文件占用空间</source>
        <translation> Место, занятое файлами, удалёнными до выбранного времени</translation>
    </message>
    <message>
        <source> 其它时间删除文件占用空间</source>
        <translation> Место, занятое файлами, удалёнными в другое время</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmProperties</name>
    <message>
        <source>%1 属性</source>
        <translation>Свойства «%1»</translation>
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
