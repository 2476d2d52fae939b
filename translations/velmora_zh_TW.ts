<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>AgeAnalysis</name>
    <message numerus="yes">
        <source>回收站中有 %1 前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>垃圾桶中 %1 之前刪除的檔案或資料夾：%n 個項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>回收站中有 %1 天前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>垃圾桶中 %1 天前刪除的檔案或資料夾：%n 個項目</numerusform>
        </translation>
    </message>
    <message>
        <source>合计占用空间：%1MB</source>
        <translation>合計佔用空間：%1 MB</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>删除日期</source>
        <translation>刪除日期</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>原始位置</translation>
    </message>
    <message>
        <source>项目类型</source>
        <translation>項目類型</translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>修改日期</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 只能给出一次</source>
        <translation>%1 只能指定一次</translation>
    </message>
    <message>
        <source>%1 的“%2”不是大小：请写数字加 K、M、G 或 T（如 500M、1.5G），或不超过 100% 的卷容量百分比（如 10%）</source>
        <translation>%1 的「%2」不是大小：請寫數字加 K、M、G 或 T（例如 500M、1.5G），或不超過 100% 的儲存裝置容量百分比（例如 10%）</translation>
    </message>
    <message>
        <source>--all 已包含所有项目，不能再与 --purge-days、--purge-before、--max-size 或 --min-free 一起使用</source>
        <translation>--all 已包含所有項目，不能再與 --purge-days、--purge-before、--max-size 或 --min-free 一起使用</translation>
    </message>
    <message>
        <source>--quiet 和 --verbose 只能选一个</source>
        <translation>--quiet 與 --verbose 只能擇一使用</translation>
    </message>
    <message>
        <source>%1 需要 --purge-days、--purge-before、--max-size、--min-free 或 --all</source>
        <translation>%1 需要搭配 --purge-days、--purge-before、--max-size、--min-free 或 --all</translation>
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
        <translation>用法：velmora [選項]

依刪除日期或占用空間有選擇地清空垃圾桶。不帶選項時開啟主視窗。

選項：
  -h, --help            顯示本說明並結束
  -v, --version         顯示版本並結束
  --purge-days N        不開啟視窗，永久刪除 N 天前刪除的項目
                        （N 的寫法同天數欄；不能是負數）
  --purge-before DATE   不開啟視窗，永久刪除該日期之前刪除的項目
                        （2026-11-01、20261101 或本地的簡短日期；
                        不能晚於今天）
  --dry-run             不刪除任何東西：輸出分析結果，再為每個將被
                        刪除的項目輸出一行：刪除日期、大小、原始位置，
                        以定位字元分隔（控制字元、不是 UTF-8 的位元組和
                        % 寫作 %XX）
  --all                 不開啟視窗，永久刪除垃圾桶中的所有項目
  --max-size SIZE       每個垃圾桶（家目錄的、各儲存裝置的）刪到其項目
                        不超過 SIZE，最舊的先刪
  --min-free SIZE       從儲存裝置上的垃圾桶刪除最舊的項目，直到該裝置
                        至少有 SIZE 可用空間
                        SIZE：數字加 K、M、G 或 T（1024 的冪），
                        或儲存裝置容量的百分比（10%）
  --json                在標準輸出寫一個 JSON 文件；文字訊息改寫到標準錯誤
  --quiet               只輸出錯誤
  --verbose             每個刪除或未能刪除的項目各輸出一行（路徑的
                        寫法同 --dry-run）
  --trash-dir DIR       只讀取這個垃圾桶目錄（~/.local/share/Trash、
                        /media/usb/.Trash-1000、/media/usb/.Trash/1000）；
                        可以指定多次

清除的結束狀態：
  0 全部刪除（--dry-run：分析成功）
  1 有項目未能刪除
  2 選項、天數、日期或大小有誤，未刪除任何東西
  3 另一個清除作業正在進行中
  4 某項的文字無法轉換；之前的項目已刪除
  5 無法讀取垃圾桶，未刪除任何東西；或某個儲存裝置未及時回應
    （其項目保留）

也接受 Qt 的選項，如 -platform、-style。
</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值</source>
        <translation>%1 後面缺少它的值</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值，例如 %1 %2</source>
        <translation>%1 後面缺少它的值，例如 %1 %2</translation>
    </message>
    <message>
        <source>%1 不带值：请只写 %1，而不是“%2”</source>
        <translation>%1 不帶值：請只寫 %1，而不是「%2」</translation>
    </message>
    <message>
        <source>未知选项“%1”：可用的选项见 velmora --help</source>
        <translation>未知的選項「%1」：可用的選項請見 velmora --help</translation>
    </message>
    <message>
        <source>无法读取命令行：用法见 velmora --help</source>
        <translation>無法讀取命令列：用法請見 velmora --help</translation>
    </message>
    <message>
        <source>多余的参数“%1”：velmora 只接受选项，见 velmora --help</source>
        <translation>多餘的引數「%1」：velmora 只接受選項，請見 velmora --help</translation>
    </message>
    <message>
        <source>--purge-days 和 --purge-before 只能给出一个，且只能一次</source>
        <translation>--purge-days 和 --purge-before 只能指定其中一個，且只能一次</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Could not convert variant of type (%1) into type (%2)</source>
        <translation>無法將類型 (%1) 的值轉換為類型 (%2)</translation>
    </message>
    <message>
        <source>Overflow while converting variant of type (%1) into type (%2)</source>
        <translation>將類型 (%1) 的值轉換為類型 (%2) 時溢位</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>「%1」不是有效的浮點數值</translation>
    </message>
    <message>
        <source>&apos;&apos;%1&apos;&apos; is not a valid integer value</source>
        <translation>「%1」不是有效的整數值</translation>
    </message>
    <message>
        <source>Overflow: the cut-off falls before 1 January of year 1</source>
        <translation>溢位：截止時間早於西元 1 年 1 月 1 日</translation>
    </message>
    <message>
        <source>&apos;%1.%2&apos; is not a valid timestamp</source>
        <translation>「%1.%2」不是有效的時間戳記</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>清單索引超出範圍 (%1)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知的錯誤</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>文件夹</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>%1 文件</source>
        <translation>%1 檔案</translation>
    </message>
</context>
<context>
    <name>ItemBoxes</name>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>Purge</name>
    <message numerus="yes">
        <source>删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>已刪除的檔案或資料夾：%n 個項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>未能删除：%n项</source>
        <translation>
            <numerusform>無法刪除：%n 個項目</numerusform>
        </translation>
    </message>
    <message>
        <source>释放空间：%1</source>
        <translation>已釋放空間：%1</translation>
    </message>
</context>
<context>
    <name>PurgeCommand</name>
    <message>
        <source>“%1”不是回收站目录：请写家目录的回收站（如 ~/.local/share/Trash，只能一个）、卷上的 .Trash-%2 或 .Trash/%2</source>
        <translation>「%1」不是垃圾桶目錄：請寫家目錄的垃圾桶（例如 ~/.local/share/Trash，只能一個）、儲存裝置上的 .Trash-%2 或 .Trash/%2</translation>
    </message>
    <message>
        <source>未能读取回收站目录“%1”：它不存在、不是本用户的、是链接，或不符合其种类的要求</source>
        <translation>無法讀取垃圾桶目錄「%1」：它不存在、不屬於此使用者、是連結，或不符合其種類的要求</translation>
    </message>
    <message>
        <source>“%1” 不是日期：请写 2026-11-01、20261101 或 %2</source>
        <translation>「%1」不是日期：請寫 2026-11-01、20261101 或 %2</translation>
    </message>
    <message>
        <source>“%1” 的年份不在 %2 到 %3 之间</source>
        <translation>「%1」的年份不在 %2 到 %3 之間</translation>
    </message>
    <message>
        <source>%1 在今天之后：这样的清除会清空整个回收站，请写今天或更早的日期</source>
        <translation>%1 在今天之後：這樣的清除會清空整個垃圾桶，請寫今天或更早的日期</translation>
    </message>
    <message>
        <source>“%1”不是天数：请写 0 或更大的整数，如 30</source>
        <translation>「%1」不是天數：請寫 0 或更大的整數，例如 30</translation>
    </message>
    <message>
        <source>天数“%1”是负数：请写 0 或更大的整数，如 30</source>
        <translation>天數「%1」是負數：請寫 0 或更大的整數，例如 30</translation>
    </message>
    <message>
        <source>天数“%1”太大：截止日期超出了可以表示的范围</source>
        <translation>天數「%1」太大：截止日期超出了可以表示的範圍</translation>
    </message>
    <message>
        <source>卷“%1”未及时响应，未读取其中的回收站</source>
        <translation>儲存裝置「%1」未及時回應，未讀取其中的垃圾桶</translation>
    </message>
    <message>
        <source>计划删除文件或文件夹：%1项<byte value="xd"/>合计占用空间：%2MB</source>
        <translation>預計刪除的檔案或資料夾：%1 個項目<byte value="xd"/>合計佔用空間：%2 MB</translation>
    </message>
    <message>
        <source>已删除：%1</source>
        <translation>已刪除：%1</translation>
    </message>
    <message>
        <source>未能删除：%1</source>
        <translation>無法刪除：%1</translation>
    </message>
    <message>
        <source>卷“%1”即使删除所有可删除的项目，可用空间仍少 %2 字节</source>
        <translation>儲存裝置「%1」即使刪除所有可刪除的項目，可用空間仍差 %2 位元組</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：清除在这一项停止，之前的项目已删除</source>
        <translation>清單中有一項無法讀取：清除在這一項停止，之前的項目已刪除</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：未删除任何项目</source>
        <translation>清單中有一項無法讀取：未刪除任何項目</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：清除在这一项停止，之前的项目已删除</source>
        <translation>清單中的「%1」不是可讀的日期或大小：清除在這一項停止，之前的項目已刪除</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：未删除任何项目</source>
        <translation>清單中的「%1」不是可讀的日期或大小：未刪除任何項目</translation>
    </message>
</context>
<context>
    <name>PurgeProgress</name>
    <message>
        <source>清除中：%1/%2 项，已释放 %3MB</source>
        <translation>清除中：%1/%2 個項目，已釋放 %3 MB</translation>
    </message>
</context>
<context>
    <name>PurgeQuestion</name>
    <message numerus="yes">
        <source>将永久删除 %n项（共 %1），此操作无法撤销。是否继续？</source>
        <translation>
            <numerusform>將永久刪除 %n 個項目（共 %1），此操作無法復原。是否繼續？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>是</source>
        <translation>是</translation>
    </message>
    <message>
        <source>否</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>RemovalPermit</name>
    <message>
        <source>另一个清除正在进行</source>
        <translation>另一個清除作業正在進行中</translation>
    </message>
    <message>
        <source>无法锁定回收站，未删除任何项目</source>
        <translation>無法鎖定垃圾桶，未刪除任何項目</translation>
    </message>
</context>
<context>
    <name>SupportAddress</name>
    <message>
        <source>help.html</source>
        <translation>help.html</translation>
    </message>
</context>
<context>
    <name>Totals</name>
    <message numerus="yes">
        <source>%n个</source>
        <comment>count of items</comment>
        <translation>
            <numerusform>%n 個項目</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrashSource</name>
    <message>
        <source>内存不足，未能读取回收站</source>
        <translation>記憶體不足，無法讀取垃圾桶</translation>
    </message>
    <message>
        <source>无法读取回收站“%1”：%2</source>
        <translation>無法讀取垃圾桶「%1」：%2</translation>
    </message>
</context>
<context>
    <name>velmora::ItemCommands</name>
    <message numerus="yes">
        <source>%1 字节</source>
        <translation>
            <numerusform>%1 位元組</numerusform>
        </translation>
    </message>
    <message>
        <source>正在还原…</source>
        <translation>正在還原…</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置已存在同名项目。</source>
        <translation>無法還原「%1」：原始位置已有同名的項目。</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置无效。</source>
        <translation>無法還原「%1」：原始位置無效。</translation>
    </message>
    <message>
        <source>无法还原“%1”。</source>
        <translation>無法還原「%1」。</translation>
    </message>
    <message>
        <source>确实要永久删除此项吗？

%1</source>
        <translation>確定要永久刪除此項目嗎？

%1</translation>
    </message>
    <message>
        <source>无法完全删除“%1”。</source>
        <translation>無法完全刪除「%1」。</translation>
    </message>
    <message>
        <source>Rename to %1 failed</source>
        <translation>無法重新命名為 %1</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>原始位置</translation>
    </message>
    <message>
        <source>删除日期</source>
        <translation>刪除日期</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>占用空间</source>
        <translation>佔用空間</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>實際大小</translation>
    </message>
    <message>
        <source>包含</source>
        <translation>包含</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n 個檔案</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件夹</source>
        <translation>
            <numerusform>%n 個資料夾</numerusform>
        </translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>修改日期</translation>
    </message>
    <message>
        <source>存储位置</source>
        <translation>儲存位置</translation>
    </message>
</context>
<context>
    <name>velmora::ItemMenu</name>
    <message>
        <source>还原</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>屬性</translation>
    </message>
</context>
<context>
    <name>velmora::PieChart</name>
    <message>
        <source>%1：%2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>velmora::PurgeProgressWindow</name>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>正在清除…</source>
        <translation>正在清除…</translation>
    </message>
</context>
<context>
    <name>velmora::TFindDialog</name>
    <message>
        <source>查找</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>查找内容(&amp;N):</source>
        <translation>尋找(&amp;N)：</translation>
    </message>
    <message>
        <source>全字匹配(&amp;W)</source>
        <translation>全字拼寫須相符(&amp;W)</translation>
    </message>
    <message>
        <source>区分大小写(&amp;C)</source>
        <translation>區分大小寫(&amp;C)</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>向上(&amp;U)</source>
        <translation>向上(&amp;U)</translation>
    </message>
    <message>
        <source>向下(&amp;D)</source>
        <translation>向下(&amp;D)</translation>
    </message>
    <message>
        <source>查找下一个(&amp;F)</source>
        <translation>尋找下一個(&amp;F)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>velmora::TForm1</name>
    <message>
        <source>安全清理回收站</source>
        <translation>安全清理垃圾桶</translation>
    </message>
    <message>
        <source>回收站</source>
        <translation>垃圾桶</translation>
    </message>
    <message>
        <source>分析</source>
        <translation>分析</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>按日期：清除</source>
        <translation>依日期：清除</translation>
    </message>
    <message>
        <source>之前删除到回收站的文件</source>
        <translation>之前刪除到垃圾桶的檔案</translation>
    </message>
    <message>
        <source>按天数：清除</source>
        <translation>依天數：清除</translation>
    </message>
    <message>
        <source>天之前删除到回收站中的文件</source>
        <translation>天之前刪除到垃圾桶中的檔案</translation>
    </message>
    <message>
        <source>关于&quot;%1&quot;</source>
        <translation>關於「%1」</translation>
    </message>
    <message>
        <source>回收站中已删除文件、文件夹共：</source>
        <translation>垃圾桶中已刪除的檔案、資料夾共：</translation>
    </message>
    <message>
        <source>合计占用空间：</source>
        <translation>合計佔用空間：</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>搜尋</translation>
    </message>
    <message numerus="yes">
        <source>不可用的卷：%n个</source>
        <translation>
            <numerusform>無法使用的儲存裝置：%n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>搜索结束！</source>
        <translation>搜尋完成！</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmAbout</name>
    <message>
        <source>技术支持：</source>
        <translation>技術支援：</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmAnalyze</name>
    <message>
        <source>占用空间饼图</source>
        <translation>佔用空間圓餅圖</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>%1 - 分析</source>
        <translation>%1 - 分析</translation>
    </message>
    <message>
        <source> 指定时间前删除文件占用空间</source>
        <translation> 指定時間前刪除的檔案所佔空間</translation>
    </message>
    <message>
        <source> 其它时间删除文件占用空间</source>
        <translation> 其他時間刪除的檔案所佔空間</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmProperties</name>
    <message>
        <source>%1 属性</source>
        <translation>%1 屬性</translation>
    </message>
    <message>
        <source>%1：</source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
</context>
</TS>
