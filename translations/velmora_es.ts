<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>AgeAnalysis</name>
    <message numerus="yes">
        <source>回收站中有 %1 前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>%n elemento de la papelera se eliminó antes del %1</numerusform>
            <numerusform>%n elementos de la papelera se eliminaron antes del %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>回收站中有 %1 天前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>%n elemento de la papelera se eliminó hace %1 días o más</numerusform>
            <numerusform>%n elementos de la papelera se eliminaron hace %1 días o más</numerusform>
        </translation>
    </message>
    <message>
        <source>合计占用空间：%1MB</source>
        <translation>Espacio total ocupado: %1 MB</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>删除日期</source>
        <translation>Fecha de eliminación</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>Ubicación original</translation>
    </message>
    <message>
        <source>项目类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>Fecha de modificación</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 只能给出一次</source>
        <translation>%1 solo puede indicarse una vez</translation>
    </message>
    <message>
        <source>%1 的“%2”不是大小：请写数字加 K、M、G 或 T（如 500M、1.5G），或不超过 100% 的卷容量百分比（如 10%）</source>
        <translation>%1: «%2» no es un tamaño; se esperaba un número con K, M, G o T (como 500M o 1.5G) o un porcentaje del volumen de hasta el 100 % (como 10%)</translation>
    </message>
    <message>
        <source>--all 已包含所有项目，不能再与 --purge-days、--purge-before、--max-size 或 --min-free 一起使用</source>
        <translation>--all ya incluye todos los elementos; no puede combinarse con --purge-days, --purge-before, --max-size ni --min-free</translation>
    </message>
    <message>
        <source>--quiet 和 --verbose 只能选一个</source>
        <translation>indique solo una de las opciones --quiet y --verbose</translation>
    </message>
    <message>
        <source>%1 需要 --purge-days、--purge-before、--max-size、--min-free 或 --all</source>
        <translation>%1 requiere --purge-days, --purge-before, --max-size, --min-free o --all</translation>
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
        <translation>Uso: velmora [opciones]

Vacía la papelera de forma selectiva, por fecha de eliminación o por espacio.
Sin opciones, abre la ventana principal.

Opciones:
  -h, --help            mostrar esta ayuda y salir
  -v, --version         mostrar la versión y salir
  --purge-days N        eliminar permanentemente, sin ventana, los elementos
                        eliminados hace más de N días (N como en la ventana;
                        no negativo)
  --purge-before DATE   eliminar permanentemente, sin ventana, los elementos
                        eliminados antes de DATE (2026-11-01, 20261101 o la
                        fecha corta local; no posterior a hoy)
  --dry-run             no eliminar nada: mostrar el análisis y luego una
                        línea por cada elemento que se eliminaría: fecha de
                        eliminación, tamaño y ubicación original, separados
                        por tabuladores (los caracteres de control, los bytes
                        que no son UTF-8 y % se escriben %XX)
  --all                 eliminar permanentemente, sin ventana, todos los
                        elementos, sea cual sea su fecha
  --max-size SIZE       reducir cada papelera (la de la carpeta personal, la
                        de cada volumen) hasta que sus elementos ocupen como
                        máximo SIZE, los más antiguos primero
  --min-free SIZE       eliminar los elementos más antiguos de la papelera de
                        un volumen hasta que este tenga al menos SIZE libres
                        SIZE: un número con K, M, G o T (potencias de 1024) o
                        un porcentaje del tamaño del volumen (10%)
  --json                escribir un documento JSON en la salida estándar; los
                        textos van a la salida de error estándar
  --quiet               mostrar solo los errores
  --verbose             una línea más por cada elemento eliminado o que quedó
                        (rutas escritas como con --dry-run)
  --trash-dir DIR       leer solo este directorio de papelera
                        (~/.local/share/Trash, /media/usb/.Trash-1000,
                        /media/usb/.Trash/1000); se puede repetir

Estado de salida de una eliminación:
  0 se eliminaron todos los elementos afectados (--dry-run: el análisis tuvo
    éxito)
  1 algunos elementos quedaron
  2 opción, número de días, fecha o tamaño incorrectos; no se eliminó nada
  3 ya hay otra eliminación en curso
  4 el texto de una fila no pudo convertirse a mitad de camino; los elementos
    anteriores se eliminaron
  5 no se pudo leer la papelera (no se eliminó nada) o un volumen no respondió
    a tiempo (sus elementos quedan)

También se aceptan las opciones propias de Qt, como -platform y -style.
</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值</source>
        <translation>falta el valor después de %1</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值，例如 %1 %2</source>
        <translation>falta el valor después de %1, como en %1 %2</translation>
    </message>
    <message>
        <source>%1 不带值：请只写 %1，而不是“%2”</source>
        <translation>%1 no lleva valor; se esperaba %1 solo, no «%2»</translation>
    </message>
    <message>
        <source>未知选项“%1”：可用的选项见 velmora --help</source>
        <translation>opción desconocida «%1»; consulte velmora --help para ver las opciones</translation>
    </message>
    <message>
        <source>无法读取命令行：用法见 velmora --help</source>
        <translation>no se pudo leer la línea de órdenes; consulte velmora --help para ver el uso</translation>
    </message>
    <message>
        <source>多余的参数“%1”：velmora 只接受选项，见 velmora --help</source>
        <translation>argumento inesperado «%1»; velmora solo acepta opciones (consulte velmora --help)</translation>
    </message>
    <message>
        <source>--purge-days 和 --purge-before 只能给出一个，且只能一次</source>
        <translation>indique solo una de --purge-days y --purge-before, y una sola vez</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Could not convert variant of type (%1) into type (%2)</source>
        <translation>No se pudo convertir la variante de tipo (%1) al tipo (%2)</translation>
    </message>
    <message>
        <source>Overflow while converting variant of type (%1) into type (%2)</source>
        <translation>Desbordamiento al convertir la variante de tipo (%1) al tipo (%2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» no es un valor de coma flotante válido</translation>
    </message>
    <message>
        <source>&apos;&apos;%1&apos;&apos; is not a valid integer value</source>
        <translation>«%1» no es un valor entero válido</translation>
    </message>
    <message>
        <source>Overflow: the cut-off falls before 1 January of year 1</source>
        <translation>Desbordamiento: la fecha límite cae antes del 1 de enero del año 1</translation>
    </message>
    <message>
        <source>&apos;%1.%2&apos; is not a valid timestamp</source>
        <translation>«%1.%2» no es una marca de tiempo válida</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fuera de los límites (%1)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>文件夹</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>%1 文件</source>
        <translation>Archivo %1</translation>
    </message>
</context>
<context>
    <name>ItemBoxes</name>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Purge</name>
    <message numerus="yes">
        <source>删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>%n elemento eliminado</numerusform>
            <numerusform>%n elementos eliminados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>未能删除：%n项</source>
        <translation>
            <numerusform>No se pudo eliminar %n elemento</numerusform>
            <numerusform>No se pudieron eliminar %n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>释放空间：%1</source>
        <translation>Espacio liberado: %1</translation>
    </message>
</context>
<context>
    <name>PurgeCommand</name>
    <message>
        <source>“%1”不是回收站目录：请写家目录的回收站（如 ~/.local/share/Trash，只能一个）、卷上的 .Trash-%2 或 .Trash/%2</source>
        <translation>«%1» no es un directorio de papelera; se esperaba la papelera de la carpeta personal (como ~/.local/share/Trash, solo una) o la .Trash-%2 o .Trash/%2 de un volumen</translation>
    </message>
    <message>
        <source>未能读取回收站目录“%1”：它不存在、不是本用户的、是链接，或不符合其种类的要求</source>
        <translation>no se pudo leer el directorio de papelera «%1»: no existe, no es suyo, es un enlace o no supera las comprobaciones de su tipo</translation>
    </message>
    <message>
        <source>“%1” 不是日期：请写 2026-11-01、20261101 或 %2</source>
        <translation>«%1» no es una fecha; se esperaba 2026-11-01, 20261101 o la forma local %2</translation>
    </message>
    <message>
        <source>“%1” 的年份不在 %2 到 %3 之间</source>
        <translation>el año de «%1» no está entre %2 y %3</translation>
    </message>
    <message>
        <source>%1 在今天之后：这样的清除会清空整个回收站，请写今天或更早的日期</source>
        <translation>%1 es posterior a hoy, y esa eliminación vaciaría toda la papelera; se esperaba hoy o una fecha anterior</translation>
    </message>
    <message>
        <source>“%1”不是天数：请写 0 或更大的整数，如 30</source>
        <translation>«%1» no es un número de días; se esperaba un número entero igual o mayor que 0, como 30</translation>
    </message>
    <message>
        <source>天数“%1”是负数：请写 0 或更大的整数，如 30</source>
        <translation>el número de días «%1» es negativo; se esperaba un número entero igual o mayor que 0, como 30</translation>
    </message>
    <message>
        <source>天数“%1”太大：截止日期超出了可以表示的范围</source>
        <translation>el número de días «%1» es demasiado grande; la fecha límite quedaría fuera del intervalo representable</translation>
    </message>
    <message>
        <source>卷“%1”未及时响应，未读取其中的回收站</source>
        <translation>el volumen «%1» no respondió a tiempo; no se leyó su papelera</translation>
    </message>
    <message>
        <source>计划删除文件或文件夹：%1项<byte value="xd"/>合计占用空间：%2MB</source>
        <translation>Archivos o carpetas que eliminar: %1<byte value="xd"/>Espacio que ocupan: %2 MB</translation>
    </message>
    <message>
        <source>已删除：%1</source>
        <translation>Eliminado: %1</translation>
    </message>
    <message>
        <source>未能删除：%1</source>
        <translation>No se pudo eliminar: %1</translation>
    </message>
    <message>
        <source>卷“%1”即使删除所有可删除的项目，可用空间仍少 %2 字节</source>
        <translation>al volumen «%1» aún le faltan %2 bytes de espacio libre aunque se eliminen todos los elementos admisibles</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：清除在这一项停止，之前的项目已删除</source>
        <translation>no se puede leer un elemento de la lista; la eliminación se detuvo ahí y los elementos anteriores están eliminados</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：未删除任何项目</source>
        <translation>no se puede leer un elemento de la lista; no se eliminó nada</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：清除在这一项停止，之前的项目已删除</source>
        <translation>el texto «%1» de la lista no es una fecha ni un tamaño legible; la eliminación se detuvo ahí y los elementos anteriores están eliminados</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：未删除任何项目</source>
        <translation>el texto «%1» de la lista no es una fecha ni un tamaño legible; no se eliminó nada</translation>
    </message>
</context>
<context>
    <name>PurgeProgress</name>
    <message>
        <source>清除中：%1/%2 项，已释放 %3MB</source>
        <translation>Eliminando: %1/%2 elementos, %3 MB liberados</translation>
    </message>
</context>
<context>
    <name>PurgeQuestion</name>
    <message numerus="yes">
        <source>将永久删除 %n项（共 %1），此操作无法撤销。是否继续？</source>
        <translation>
            <numerusform>Se eliminará permanentemente %n elemento (%1 en total). Esta acción no se puede deshacer. ¿Desea continuar?</numerusform>
            <numerusform>Se eliminarán permanentemente %n elementos (%1 en total). Esta acción no se puede deshacer. ¿Desea continuar?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>是</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>RemovalPermit</name>
    <message>
        <source>另一个清除正在进行</source>
        <translation>Ya hay otra eliminación en curso</translation>
    </message>
    <message>
        <source>无法锁定回收站，未删除任何项目</source>
        <translation>No se pudo bloquear la papelera; no se eliminó nada</translation>
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
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrashSource</name>
    <message>
        <source>内存不足，未能读取回收站</source>
        <translation>Memoria insuficiente: no se pudo leer la papelera</translation>
    </message>
    <message>
        <source>无法读取回收站“%1”：%2</source>
        <translation>No se pudo leer la papelera «%1»: %2</translation>
    </message>
</context>
<context>
    <name>velmora::ItemCommands</name>
    <message numerus="yes">
        <source>%1 字节</source>
        <translation>
            <numerusform>%1 byte</numerusform>
            <numerusform>%1 bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>正在还原…</source>
        <translation>Restaurando…</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置已存在同名项目。</source>
        <translation>No se pudo restaurar «%1»: ya existe un elemento con el mismo nombre en su ubicación original.</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置无效。</source>
        <translation>No se pudo restaurar «%1»: su ubicación original no es válida.</translation>
    </message>
    <message>
        <source>无法还原“%1”。</source>
        <translation>No se pudo restaurar «%1».</translation>
    </message>
    <message>
        <source>确实要永久删除此项吗？

%1</source>
        <translation>¿Seguro que quiere eliminar permanentemente este elemento?

%1</translation>
    </message>
    <message>
        <source>无法完全删除“%1”。</source>
        <translation>No se pudo eliminar por completo «%1».</translation>
    </message>
    <message>
        <source>Rename to %1 failed</source>
        <translation>Error al renombrar a %1</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>删除日期</source>
        <translation>Eliminado</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>占用空间</source>
        <translation>En disco</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>包含</source>
        <translation>Contiene</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件夹</source>
        <translation>
            <numerusform>%n carpeta</numerusform>
            <numerusform>%n carpetas</numerusform>
        </translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>存储位置</source>
        <translation>Ruta</translation>
    </message>
</context>
<context>
    <name>velmora::ItemMenu</name>
    <message>
        <source>还原</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Propiedades</translation>
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
        <translation>Detener</translation>
    </message>
    <message>
        <source>正在清除…</source>
        <translation>Eliminando…</translation>
    </message>
</context>
<context>
    <name>velmora::TFindDialog</name>
    <message>
        <source>查找</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>查找内容(&amp;N):</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>全字匹配(&amp;W)</source>
        <translation>Palabra &amp;entera</translation>
    </message>
    <message>
        <source>区分大小写(&amp;C)</source>
        <translation>&amp;Mayúsculas</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>向上(&amp;U)</source>
        <translation>&amp;Arriba</translation>
    </message>
    <message>
        <source>向下(&amp;D)</source>
        <translation>Aba&amp;jo</translation>
    </message>
    <message>
        <source>查找下一个(&amp;F)</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>velmora::TForm1</name>
    <message>
        <source>安全清理回收站</source>
        <translation>Limpiar la papelera de forma segura</translation>
    </message>
    <message>
        <source>回收站</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>分析</source>
        <translation>Analizar</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>按日期：清除</source>
        <translation>Antes del</translation>
    </message>
    <message>
        <source>之前删除到回收站的文件</source>
        <translation>(fecha de eliminación)</translation>
    </message>
    <message>
        <source>按天数：清除</source>
        <translation>Hace</translation>
    </message>
    <message>
        <source>天之前删除到回收站中的文件</source>
        <translation>días o más</translation>
    </message>
    <message>
        <source>关于&quot;%1&quot;</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>回收站中已删除文件、文件夹共：</source>
        <translation>Archivos y carpetas en la papelera:</translation>
    </message>
    <message>
        <source>合计占用空间：</source>
        <translation>Espacio ocupado:</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Buscar</translation>
    </message>
    <message numerus="yes">
        <source>不可用的卷：%n个</source>
        <translation>
            <numerusform>%n volumen no disponible</numerusform>
            <numerusform>%n volúmenes no disponibles</numerusform>
        </translation>
    </message>
    <message>
        <source>搜索结束！</source>
        <translation>Búsqueda terminada.</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmAbout</name>
    <message>
        <source>技术支持：</source>
        <translation>Soporte:</translation>
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
        <translation>Gráfico circular del espacio ocupado</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>%1 - 分析</source>
        <translation>%1 - Análisis</translation>
    </message>
    <message>
        <source> 指定时间前删除文件占用空间</source>
        <translation> Espacio ocupado por los archivos eliminados antes de la fecha elegida</translation>
    </message>
    <message>
        <source> 其它时间删除文件占用空间</source>
        <translation> Espacio ocupado por los archivos eliminados en otras fechas</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmProperties</name>
    <message>
        <source>%1 属性</source>
        <translation>Propiedades de %1</translation>
    </message>
    <message>
        <source>%1：</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
