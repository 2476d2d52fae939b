<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="zh_CN">
<context>
    <name>AgeAnalysis</name>
    <message numerus="yes">
        <source>回收站中有 %1 前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>ゴミ箱内で %1 より前に削除したファイル・フォルダー：%n 個の項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>回收站中有 %1 天前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>ゴミ箱内で %1 日以上前に削除したファイル・フォルダー：%n 個の項目</numerusform>
        </translation>
    </message>
    <message>
        <source>合计占用空间：%1MB</source>
        <translation>合計使用容量：%1 MB</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>删除日期</source>
        <translation>削除日時</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>元の場所</translation>
    </message>
    <message>
        <source>项目类型</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>更新日時</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 只能给出一次</source>
        <translation>%1 は一度しか指定できません</translation>
    </message>
    <message>
        <source>%1 的“%2”不是大小：请写数字加 K、M、G 或 T（如 500M、1.5G），或不超过 100% 的卷容量百分比（如 10%）</source>
        <translation>%1 の「%2」はサイズではありません：数値に K、M、G、T を付けるか（例：500M、1.5G）、ボリューム容量に対する 100% 以下の割合を指定してください（例：10%）</translation>
    </message>
    <message>
        <source>--all 已包含所有项目，不能再与 --purge-days、--purge-before、--max-size 或 --min-free 一起使用</source>
        <translation>--all はすでにすべての項目を対象にするため、--purge-days、--purge-before、--max-size、--min-free とは併用できません</translation>
    </message>
    <message>
        <source>--quiet 和 --verbose 只能选一个</source>
        <translation>--quiet と --verbose はどちらか一方しか指定できません</translation>
    </message>
    <message>
        <source>%1 需要 --purge-days、--purge-before、--max-size、--min-free 或 --all</source>
        <translation>%1 には --purge-days、--purge-before、--max-size、--min-free、--all のいずれかが必要です</translation>
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
        <translation>使い方：velmora [オプション]

削除日時または使用容量に応じて、ゴミ箱を選択的に空にします。オプションを
付けずに起動すると、メインウィンドウを開きます。

オプション：
  -h, --help            このヘルプを表示して終了する
  -v, --version         バージョンを表示して終了する
  --purge-days N        ウィンドウを開かずに、N 日より前に削除した項目を
                        完全に削除する（N の書き方はウィンドウと同じ。
                        負の数は不可）
  --purge-before DATE   ウィンドウを開かずに、DATE より前に削除した項目を
                        完全に削除する（2026-11-01、20261101、または
                        この地域の短い日付形式。今日より後は不可）
  --dry-run             何も削除しない：分析結果を表示し、続けて削除される
                        項目ごとに 1 行を表示する（削除日時、サイズ、
                        元の場所をタブ区切りで。制御文字、UTF-8 でない
                        バイト、% は %XX と書く）
  --all                 ウィンドウを開かずに、日付にかかわらず
                        すべての項目を完全に削除する
  --max-size SIZE       各ゴミ箱（ホームのもの、各ボリュームのもの）から、
                        項目の合計が SIZE 以下になるまで古い順に削除する
  --min-free SIZE       ボリュームの空き容量が SIZE 以上になるまで、その
                        ボリュームのゴミ箱から古い順に項目を削除する
                        SIZE：数値に K、M、G、T（1024 のべき乗）を付けるか、
                        ボリューム容量に対する割合（10%）
  --json                標準出力に JSON 文書を 1 つ書き出す（文字による
                        メッセージは標準エラー出力へ）
  --quiet               エラー以外は何も出力しない
  --verbose             削除した項目と削除できなかった項目を 1 行ずつ
                        出力する（パスの書き方は --dry-run と同じ）
  --trash-dir DIR       このゴミ箱ディレクトリだけを読み取る（複数指定可。
                        ~/.local/share/Trash、/media/usb/.Trash-1000、
                        /media/usb/.Trash/1000 など）

消去の終了ステータス：
  0 対象の項目をすべて削除した（--dry-run：分析に成功した）
  1 削除できなかった項目がある
  2 オプション、日数、日付またはサイズが正しくない。何も削除していない
  3 別の消去処理が実行中
  4 途中で項目の文字列を変換できなかった。それより前の項目は削除済み
  5 ゴミ箱を読み取れなかった（何も削除していない）、またはボリュームが
    時間内に応答しなかった（その項目は残る）

-platform、-style などの Qt のオプションも使用できます。
</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值</source>
        <translation>%1 の後に値がありません</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值，例如 %1 %2</source>
        <translation>%1 の後に値がありません（例：%1 %2）</translation>
    </message>
    <message>
        <source>%1 不带值：请只写 %1，而不是“%2”</source>
        <translation>%1 は値を取りません：「%2」ではなく %1 だけを指定してください</translation>
    </message>
    <message>
        <source>未知选项“%1”：可用的选项见 velmora --help</source>
        <translation>不明なオプション「%1」：使えるオプションは velmora --help を参照してください</translation>
    </message>
    <message>
        <source>无法读取命令行：用法见 velmora --help</source>
        <translation>コマンドラインを読み取れません：使い方は velmora --help を参照してください</translation>
    </message>
    <message>
        <source>多余的参数“%1”：velmora 只接受选项，见 velmora --help</source>
        <translation>余分な引数「%1」：velmora はオプションだけを受け付けます（velmora --help を参照）</translation>
    </message>
    <message>
        <source>--purge-days 和 --purge-before 只能给出一个，且只能一次</source>
        <translation>--purge-days と --purge-before はどちらか一方を 1 回だけ指定してください</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Could not convert variant of type (%1) into type (%2)</source>
        <translation>型 (%1) の値を型 (%2) に変換できませんでした</translation>
    </message>
    <message>
        <source>Overflow while converting variant of type (%1) into type (%2)</source>
        <translation>型 (%1) の値を型 (%2) に変換する際にオーバーフローしました</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>「%1」は有効な浮動小数点数ではありません</translation>
    </message>
    <message>
        <source>&apos;&apos;%1&apos;&apos; is not a valid integer value</source>
        <translation>「%1」は有効な整数ではありません</translation>
    </message>
    <message>
        <source>Overflow: the cut-off falls before 1 January of year 1</source>
        <translation>オーバーフロー：基準日時が 1 年 1 月 1 日より前になります</translation>
    </message>
    <message>
        <source>&apos;%1.%2&apos; is not a valid timestamp</source>
        <translation>「%1.%2」は有効なタイムスタンプではありません</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>リストのインデックスが範囲外です (%1)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>文件夹</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>%1 文件</source>
        <translation>%1 ファイル</translation>
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
            <numerusform>削除したファイル・フォルダー：%n 個の項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>未能删除：%n项</source>
        <translation>
            <numerusform>削除できなかった項目：%n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>释放空间：%1</source>
        <translation>解放した容量：%1</translation>
    </message>
</context>
<context>
    <name>PurgeCommand</name>
    <message>
        <source>“%1”不是回收站目录：请写家目录的回收站（如 ~/.local/share/Trash，只能一个）、卷上的 .Trash-%2 或 .Trash/%2</source>
        <translation>「%1」はゴミ箱のディレクトリではありません：ホームのゴミ箱（例：~/.local/share/Trash、1 つのみ）か、ボリューム上の .Trash-%2 または .Trash/%2 を指定してください</translation>
    </message>
    <message>
        <source>未能读取回收站目录“%1”：它不存在、不是本用户的、是链接，或不符合其种类的要求</source>
        <translation>ゴミ箱のディレクトリ「%1」を読み込めませんでした：存在しない、自分の所有でない、リンクである、またはその種類の条件を満たしていません</translation>
    </message>
    <message>
        <source>“%1” 不是日期：请写 2026-11-01、20261101 或 %2</source>
        <translation>「%1」は日付ではありません：2026-11-01、20261101、またはこの地域の形式 %2 で指定してください</translation>
    </message>
    <message>
        <source>“%1” 的年份不在 %2 到 %3 之间</source>
        <translation>「%1」の年が %2～%3 の範囲にありません</translation>
    </message>
    <message>
        <source>%1 在今天之后：这样的清除会清空整个回收站，请写今天或更早的日期</source>
        <translation>%1 は今日より後です：ゴミ箱全体が空になってしまうため、今日またはそれ以前の日付を指定してください</translation>
    </message>
    <message>
        <source>“%1”不是天数：请写 0 或更大的整数，如 30</source>
        <translation>「%1」は日数ではありません：0 以上の整数を指定してください（例：30）</translation>
    </message>
    <message>
        <source>天数“%1”是负数：请写 0 或更大的整数，如 30</source>
        <translation>日数「%1」が負の数です：0 以上の整数を指定してください（例：30）</translation>
    </message>
    <message>
        <source>天数“%1”太大：截止日期超出了可以表示的范围</source>
        <translation>日数「%1」が大きすぎます：基準日が表せる範囲を超えます</translation>
    </message>
    <message>
        <source>卷“%1”未及时响应，未读取其中的回收站</source>
        <translation>ボリューム「%1」が時間内に応答しませんでした：そのゴミ箱は読み取っていません</translation>
    </message>
    <message>
        <source>计划删除文件或文件夹：%1项<byte value="xd"/>合计占用空间：%2MB</source>
        <translation>削除予定のファイル・フォルダー：%1 個<byte value="xd"/>合計使用容量：%2 MB</translation>
    </message>
    <message>
        <source>已删除：%1</source>
        <translation>削除済み：%1</translation>
    </message>
    <message>
        <source>未能删除：%1</source>
        <translation>削除できませんでした：%1</translation>
    </message>
    <message>
        <source>卷“%1”即使删除所有可删除的项目，可用空间仍少 %2 字节</source>
        <translation>ボリューム「%1」は、削除できる項目をすべて削除しても空き容量が %2 バイト足りません</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：清除在这一项停止，之前的项目已删除</source>
        <translation>一覧の項目を読み取れません：消去はこの項目で止まり、それより前の項目は削除されました</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：未删除任何项目</source>
        <translation>一覧の項目を読み取れません：何も削除されていません</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：清除在这一项停止，之前的项目已删除</source>
        <translation>一覧の「%1」は読み取れる日付またはサイズではありません：消去はこの項目で止まり、それより前の項目は削除されました</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：未删除任何项目</source>
        <translation>一覧の「%1」は読み取れる日付またはサイズではありません：何も削除されていません</translation>
    </message>
</context>
<context>
    <name>PurgeProgress</name>
    <message>
        <source>清除中：%1/%2 项，已释放 %3MB</source>
        <translation>消去中：%1/%2 個、%3 MB 解放済み</translation>
    </message>
</context>
<context>
    <name>PurgeQuestion</name>
    <message numerus="yes">
        <source>将永久删除 %n项（共 %1），此操作无法撤销。是否继续？</source>
        <translation>
            <numerusform>%n 個の項目（合計 %1）を完全に削除します。この操作は元に戻せません。続行しますか？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>是</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>否</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>RemovalPermit</name>
    <message>
        <source>另一个清除正在进行</source>
        <translation>別の消去処理が実行中です</translation>
    </message>
    <message>
        <source>无法锁定回收站，未删除任何项目</source>
        <translation>ゴミ箱をロックできなかったため、何も削除していません</translation>
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
            <numerusform>%n 個の項目</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrashSource</name>
    <message>
        <source>内存不足，未能读取回收站</source>
        <translation>メモリー不足のため、ゴミ箱を読み込めませんでした</translation>
    </message>
    <message>
        <source>无法读取回收站“%1”：%2</source>
        <translation>ゴミ箱「%1」を読み込めません：%2</translation>
    </message>
</context>
<context>
    <name>velmora::ItemCommands</name>
    <message numerus="yes">
        <source>%1 字节</source>
        <translation>
            <numerusform>%1 バイト</numerusform>
        </translation>
    </message>
    <message>
        <source>正在还原…</source>
        <translation>復元中…</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置已存在同名项目。</source>
        <translation>「%1」を復元できません：元の場所に同じ名前の項目がすでに存在します。</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置无效。</source>
        <translation>「%1」を復元できません：元の場所が無効です。</translation>
    </message>
    <message>
        <source>无法还原“%1”。</source>
        <translation>「%1」を復元できません。</translation>
    </message>
    <message>
        <source>确实要永久删除此项吗？

%1</source>
        <translation>この項目を完全に削除してもよろしいですか？

%1</translation>
    </message>
    <message>
        <source>无法完全删除“%1”。</source>
        <translation>「%1」を完全には削除できませんでした。</translation>
    </message>
    <message>
        <source>Rename to %1 failed</source>
        <translation>%1 に名前を変更できませんでした</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>元の場所</translation>
    </message>
    <message>
        <source>删除日期</source>
        <translation>削除日時</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>占用空间</source>
        <translation>使用容量</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>実サイズ</translation>
    </message>
    <message>
        <source>包含</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n 個のファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件夹</source>
        <translation>
            <numerusform>%n 個のフォルダー</numerusform>
        </translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>存储位置</source>
        <translation>保存場所</translation>
    </message>
</context>
<context>
    <name>velmora::ItemMenu</name>
    <message>
        <source>还原</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>プロパティ</translation>
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
        <translation>中止</translation>
    </message>
    <message>
        <source>正在清除…</source>
        <translation>消去中…</translation>
    </message>
</context>
<context>
    <name>velmora::TFindDialog</name>
    <message>
        <source>查找</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>查找内容(&amp;N):</source>
        <translation>検索(&amp;N)：</translation>
    </message>
    <message>
        <source>全字匹配(&amp;W)</source>
        <translation>単語単位(&amp;W)</translation>
    </message>
    <message>
        <source>区分大小写(&amp;C)</source>
        <translation>大小文字を区別(&amp;C)</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>向上(&amp;U)</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>向下(&amp;D)</source>
        <translation>下へ(&amp;D)</translation>
    </message>
    <message>
        <source>查找下一个(&amp;F)</source>
        <translation>次を検索(&amp;F)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>velmora::TForm1</name>
    <message>
        <source>安全清理回收站</source>
        <translation>ゴミ箱を安全に整理</translation>
    </message>
    <message>
        <source>回收站</source>
        <translation>ゴミ箱</translation>
    </message>
    <message>
        <source>分析</source>
        <translation>分析</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>按日期：清除</source>
        <translation>日付で削除：</translation>
    </message>
    <message>
        <source>之前删除到回收站的文件</source>
        <translation>より前に削除したファイル</translation>
    </message>
    <message>
        <source>按天数：清除</source>
        <translation>日数で削除：</translation>
    </message>
    <message>
        <source>天之前删除到回收站中的文件</source>
        <translation>日以上前にゴミ箱へ移したファイル</translation>
    </message>
    <message>
        <source>关于&quot;%1&quot;</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>回收站中已删除文件、文件夹共：</source>
        <translation>ゴミ箱内のファイル・フォルダー数：</translation>
    </message>
    <message>
        <source>合计占用空间：</source>
        <translation>合計使用容量：</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>検索</translation>
    </message>
    <message numerus="yes">
        <source>不可用的卷：%n个</source>
        <translation>
            <numerusform>使用できないボリューム：%n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>搜索结束！</source>
        <translation>検索が終了しました。</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmAbout</name>
    <message>
        <source>技术支持：</source>
        <translation>サポート：</translation>
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
        <translation>使用容量の円グラフ</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 - 分析</source>
        <translation>%1 - 分析</translation>
    </message>
    <message>
        <source> 指定时间前删除文件占用空间</source>
        <translation> 指定日時より前に削除したファイル</translation>
    </message>
    <message>
        <source> 其它时间删除文件占用空间</source>
        <translation> その他の日時に削除したファイル</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmProperties</name>
    <message>
        <source>%1 属性</source>
        <translation>%1 のプロパティ</translation>
    </message>
    <message>
        <source>%1：</source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
