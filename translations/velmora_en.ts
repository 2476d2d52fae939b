<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>AgeAnalysis</name>
    <message numerus="yes">
        <source>回收站中有 %1 前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>%n item in the Trash was deleted before %1</numerusform>
            <numerusform>%n items in the Trash were deleted before %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>回收站中有 %1 天前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>%n item in the Trash was deleted more than %1 days ago</numerusform>
            <numerusform>%n items in the Trash were deleted more than %1 days ago</numerusform>
        </translation>
    </message>
    <message>
        <source>合计占用空间：%1MB</source>
        <translation>Total space used: %1 MB</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>删除日期</source>
        <translation>Date Deleted</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>Original Location</translation>
    </message>
    <message>
        <source>项目类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>Date Modified</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 只能给出一次</source>
        <translation>%1 can be given only once</translation>
    </message>
    <message>
        <source>%1 的“%2”不是大小：请写数字加 K、M、G 或 T（如 500M、1.5G），或不超过 100% 的卷容量百分比（如 10%）</source>
        <translation>%1: &apos;%2&apos; is not a size; expected a number with K, M, G or T (such as 500M or 1.5G), or a percentage of the volume up to 100% (such as 10%)</translation>
    </message>
    <message>
        <source>--all 已包含所有项目，不能再与 --purge-days、--purge-before、--max-size 或 --min-free 一起使用</source>
        <translation>--all takes every item already; it cannot be combined with --purge-days, --purge-before, --max-size or --min-free</translation>
    </message>
    <message>
        <source>--quiet 和 --verbose 只能选一个</source>
        <translation>give only one of --quiet and --verbose</translation>
    </message>
    <message>
        <source>%1 需要 --purge-days、--purge-before、--max-size、--min-free 或 --all</source>
        <translation>%1 needs --purge-days, --purge-before, --max-size, --min-free or --all</translation>
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
        <translation>Usage: velmora [options]

Clears the trash selectively, by deletion date or by space. Without options it
opens the main window.

Options:
  -h, --help            show this help and exit
  -v, --version         show the version and exit
  --purge-days N        remove for good, without a window, the items deleted
                        more than N days ago (N as in the window; not
                        negative)
  --purge-before DATE   remove for good, without a window, the items deleted
                        before DATE (2026-11-01, 20261101 or the locale&apos;s
                        short date; not after today)
  --dry-run             remove nothing: print the analysis, then one line per
                        item that would go: deletion date, size and original
                        path, tab-separated (control characters, bytes that
                        are not UTF-8 and % written as %XX)
  --all                 remove every item for good, without a window,
                        whatever its date
  --max-size SIZE       reduce each trash (the home trash, each volume&apos;s)
                        until its items take at most SIZE, oldest first
  --min-free SIZE       remove the oldest items of a volume&apos;s trash until the
                        volume has at least SIZE free
                        SIZE: a number with K, M, G or T (powers of 1024), or
                        a percentage of the volume&apos;s size (10%)
  --json                write one JSON document on standard output; the texts
                        go to standard error
  --quiet               print nothing but errors
  --verbose             one more line per removed or stayed item (paths
                        written as with --dry-run)
  --trash-dir DIR       read only this trash directory (~/.local/share/Trash,
                        /media/usb/.Trash-1000, /media/usb/.Trash/1000);
                        repeatable

Exit status of a purge:
  0 every qualifying item is gone (--dry-run: the analysis succeeded)
  1 some items stayed
  2 bad option, day count, date or size; nothing removed
  3 another purge is running
  4 a row&apos;s text could not be converted part-way; the items before it are
    removed
  5 the trash could not be read (nothing removed), or a volume did not answer
    in time (its items are left)

Qt&apos;s own options, such as -platform and -style, are accepted too.
</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值</source>
        <translation>%1 needs a value after it</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值，例如 %1 %2</source>
        <translation>%1 needs a value after it, such as %1 %2</translation>
    </message>
    <message>
        <source>%1 不带值：请只写 %1，而不是“%2”</source>
        <translation>%1 takes no value; expected %1 alone, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>未知选项“%1”：可用的选项见 velmora --help</source>
        <translation>unknown option &apos;%1&apos;; see velmora --help for the options</translation>
    </message>
    <message>
        <source>无法读取命令行：用法见 velmora --help</source>
        <translation>the command line could not be read; see velmora --help for its usage</translation>
    </message>
    <message>
        <source>多余的参数“%1”：velmora 只接受选项，见 velmora --help</source>
        <translation>unexpected argument &apos;%1&apos;; velmora takes options only (see velmora --help)</translation>
    </message>
    <message>
        <source>--purge-days 和 --purge-before 只能给出一个，且只能一次</source>
        <translation>give one of --purge-days and --purge-before, and only once</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Could not convert variant of type (%1) into type (%2)</source>
        <translation>Could not convert variant of type (%1) into type (%2)</translation>
    </message>
    <message>
        <source>Overflow while converting variant of type (%1) into type (%2)</source>
        <translation>Overflow while converting variant of type (%1) into type (%2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>&apos;&apos;%1&apos;&apos; is not a valid integer value</source>
        <translation>&apos;&apos;%1&apos;&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>Overflow: the cut-off falls before 1 January of year 1</source>
        <translation>Overflow: the cut-off falls before 1 January of year 1</translation>
    </message>
    <message>
        <source>&apos;%1.%2&apos; is not a valid timestamp</source>
        <translation>&apos;%1.%2&apos; is not a valid timestamp</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>List index out of bounds (%1)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>%1 文件</source>
        <translation>%1 File</translation>
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
            <numerusform>%n item deleted</numerusform>
            <numerusform>%n items deleted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>未能删除：%n项</source>
        <translation>
            <numerusform>%n item could not be deleted</numerusform>
            <numerusform>%n items could not be deleted</numerusform>
        </translation>
    </message>
    <message>
        <source>释放空间：%1</source>
        <translation>Space freed: %1</translation>
    </message>
</context>
<context>
    <name>PurgeCommand</name>
    <message>
        <source>“%1”不是回收站目录：请写家目录的回收站（如 ~/.local/share/Trash，只能一个）、卷上的 .Trash-%2 或 .Trash/%2</source>
        <translation>&apos;%1&apos; is not a trash directory; expected the home trash (such as ~/.local/share/Trash, one only), or a volume&apos;s .Trash-%2 or .Trash/%2</translation>
    </message>
    <message>
        <source>未能读取回收站目录“%1”：它不存在、不是本用户的、是链接，或不符合其种类的要求</source>
        <translation>the trash directory &apos;%1&apos; could not be read: it is missing, not yours, a link, or fails the checks of its kind</translation>
    </message>
    <message>
        <source>“%1” 不是日期：请写 2026-11-01、20261101 或 %2</source>
        <translation>&apos;%1&apos; is not a date; expected 2026-11-01, 20261101 or the local form %2</translation>
    </message>
    <message>
        <source>“%1” 的年份不在 %2 到 %3 之间</source>
        <translation>the year of &apos;%1&apos; is not between %2 and %3</translation>
    </message>
    <message>
        <source>%1 在今天之后：这样的清除会清空整个回收站，请写今天或更早的日期</source>
        <translation>%1 is after today, and that removal would empty the whole trash; expected today or an earlier date</translation>
    </message>
    <message>
        <source>“%1”不是天数：请写 0 或更大的整数，如 30</source>
        <translation>&apos;%1&apos; is not a day count; expected a whole number, 0 or more, such as 30</translation>
    </message>
    <message>
        <source>天数“%1”是负数：请写 0 或更大的整数，如 30</source>
        <translation>the day count &apos;%1&apos; is negative; expected a whole number, 0 or more, such as 30</translation>
    </message>
    <message>
        <source>天数“%1”太大：截止日期超出了可以表示的范围</source>
        <translation>the day count &apos;%1&apos; is too large; the cut-off date would be out of range</translation>
    </message>
    <message>
        <source>卷“%1”未及时响应，未读取其中的回收站</source>
        <translation>the volume &apos;%1&apos; did not answer in time; its trash was not read</translation>
    </message>
    <message>
        <source>计划删除文件或文件夹：%1项<byte value="xd"/>合计占用空间：%2MB</source>
        <translation>Files or folders to remove: %1<byte value="xd"/>Space they take: %2MB</translation>
    </message>
    <message>
        <source>已删除：%1</source>
        <translation>Removed: %1</translation>
    </message>
    <message>
        <source>未能删除：%1</source>
        <translation>Could not remove: %1</translation>
    </message>
    <message>
        <source>卷“%1”即使删除所有可删除的项目，可用空间仍少 %2 字节</source>
        <translation>the volume &apos;%1&apos; still lacks %2 bytes of free space with every eligible item gone</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：清除在这一项停止，之前的项目已删除</source>
        <translation>an item of the list cannot be read; the purge stopped there, and the items before it are removed</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：未删除任何项目</source>
        <translation>an item of the list cannot be read; nothing was removed</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：清除在这一项停止，之前的项目已删除</source>
        <translation>the list&apos;s text &apos;%1&apos; is not a readable date or size; the purge stopped there, and the items before it are removed</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：未删除任何项目</source>
        <translation>the list&apos;s text &apos;%1&apos; is not a readable date or size; nothing was removed</translation>
    </message>
</context>
<context>
    <name>PurgeProgress</name>
    <message>
        <source>清除中：%1/%2 项，已释放 %3MB</source>
        <translation>Purging: %1/%2 items, %3MB freed</translation>
    </message>
</context>
<context>
    <name>PurgeQuestion</name>
    <message numerus="yes">
        <source>将永久删除 %n项（共 %1），此操作无法撤销。是否继续？</source>
        <translation>
            <numerusform>%n item (%1 in total) will be permanently deleted. This cannot be undone. Continue?</numerusform>
            <numerusform>%n items (%1 in total) will be permanently deleted. This cannot be undone. Continue?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>是</source>
        <translation>Yes</translation>
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
        <translation>Another removal is in progress</translation>
    </message>
    <message>
        <source>无法锁定回收站，未删除任何项目</source>
        <translation>Could not lock the Trash; nothing was deleted</translation>
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
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrashSource</name>
    <message>
        <source>内存不足，未能读取回收站</source>
        <translation>Out of memory: the Trash could not be read</translation>
    </message>
    <message>
        <source>无法读取回收站“%1”：%2</source>
        <translation>Could not read the Trash “%1”: %2</translation>
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
        <translation>Restoring…</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置已存在同名项目。</source>
        <translation>Could not restore “%1”: an item with the same name already exists in its original location.</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置无效。</source>
        <translation>Could not restore “%1”: its original location is not valid.</translation>
    </message>
    <message>
        <source>无法还原“%1”。</source>
        <translation>Could not restore “%1”.</translation>
    </message>
    <message>
        <source>确实要永久删除此项吗？

%1</source>
        <translation>Are you sure you want to permanently delete this item?

%1</translation>
    </message>
    <message>
        <source>无法完全删除“%1”。</source>
        <translation>Could not completely delete “%1”.</translation>
    </message>
    <message>
        <source>Rename to %1 failed</source>
        <translation>Rename to %1 failed</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>删除日期</source>
        <translation>Deleted</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>占用空间</source>
        <translation>Disk Usage</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Data Size</translation>
    </message>
    <message>
        <source>包含</source>
        <translation>Contains</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件夹</source>
        <translation>
            <numerusform>%n folder</numerusform>
            <numerusform>%n folders</numerusform>
        </translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>存储位置</source>
        <translation>Stored At</translation>
    </message>
</context>
<context>
    <name>velmora::ItemMenu</name>
    <message>
        <source>还原</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Properties</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>正在清除…</source>
        <translation>Removing…</translation>
    </message>
</context>
<context>
    <name>velmora::TFindDialog</name>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>查找内容(&amp;N):</source>
        <translation>Fi&amp;nd what:</translation>
    </message>
    <message>
        <source>全字匹配(&amp;W)</source>
        <translation>&amp;Whole word</translation>
    </message>
    <message>
        <source>区分大小写(&amp;C)</source>
        <translation>Match &amp;case</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>向上(&amp;U)</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>向下(&amp;D)</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <source>查找下一个(&amp;F)</source>
        <translation>&amp;Find Next</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>velmora::TForm1</name>
    <message>
        <source>安全清理回收站</source>
        <translation>Clean Up the Trash Safely</translation>
    </message>
    <message>
        <source>回收站</source>
        <translation>Trash</translation>
    </message>
    <message>
        <source>分析</source>
        <translation>Analyze</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>按日期：清除</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>之前删除到回收站的文件</source>
        <translation>(deletion date)</translation>
    </message>
    <message>
        <source>按天数：清除</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>天之前删除到回收站中的文件</source>
        <translation>days ago</translation>
    </message>
    <message>
        <source>关于&quot;%1&quot;</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>回收站中已删除文件、文件夹共：</source>
        <translation>Deleted files and folders in the Trash:</translation>
    </message>
    <message>
        <source>合计占用空间：</source>
        <translation>Total space used:</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Find</translation>
    </message>
    <message numerus="yes">
        <source>不可用的卷：%n个</source>
        <translation>
            <numerusform>%n unavailable volume</numerusform>
            <numerusform>%n unavailable volumes</numerusform>
        </translation>
    </message>
    <message>
        <source>搜索结束！</source>
        <translation>Search finished.</translation>
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
        <translation>Pie chart of the space used</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 - 分析</source>
        <translation>%1 - Analysis</translation>
    </message>
    <message>
        <source> 指定时间前删除文件占用空间</source>
        <translation> Space used by files deleted before the chosen time</translation>
    </message>
    <message>
        <source> 其它时间删除文件占用空间</source>
        <translation> Space used by files deleted at other times</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmProperties</name>
    <message>
        <source>%1 属性</source>
        <translation>%1 Properties</translation>
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
