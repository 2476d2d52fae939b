<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
<context>
    <name>AgeAnalysis</name>
    <message numerus="yes">
        <source>回收站中有 %1 前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>휴지통에서 %1 이전에 삭제한 파일 또는 폴더: 항목 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>回收站中有 %1 天前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>휴지통에서 %1일 이상 전에 삭제한 파일 또는 폴더: 항목 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>合计占用空间：%1MB</source>
        <translation>총 사용 공간: %1MB</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>删除日期</source>
        <translation>삭제한 날짜</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>원래 위치</translation>
    </message>
    <message>
        <source>项目类型</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>수정한 날짜</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 只能给出一次</source>
        <translation>%1 옵션은 한 번만 지정할 수 있습니다</translation>
    </message>
    <message>
        <source>%1 的“%2”不是大小：请写数字加 K、M、G 或 T（如 500M、1.5G），或不超过 100% 的卷容量百分比（如 10%）</source>
        <translation>%1의 &apos;%2&apos;은(는) 크기가 아니므로 숫자에 K, M, G 또는 T를 붙이거나(예: 500M, 1.5G) 볼륨 용량의 100% 이하 백분율(예: 10%)을 지정하십시오</translation>
    </message>
    <message>
        <source>--all 已包含所有项目，不能再与 --purge-days、--purge-before、--max-size 或 --min-free 一起使用</source>
        <translation>--all은 이미 모든 항목을 포함하므로 --purge-days, --purge-before, --max-size 또는 --min-free와 함께 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>--quiet 和 --verbose 只能选一个</source>
        <translation>--quiet와 --verbose 중 하나만 지정할 수 있습니다</translation>
    </message>
    <message>
        <source>%1 需要 --purge-days、--purge-before、--max-size、--min-free 或 --all</source>
        <translation>%1에는 --purge-days, --purge-before, --max-size, --min-free 또는 --all이 필요합니다</translation>
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
        <translation>사용법: velmora [옵션]

삭제한 날짜나 차지하는 공간에 따라 휴지통을 선택적으로 비웁니다. 옵션
없이 실행하면 기본 창을 엽니다.

옵션:
  -h, --help            이 도움말을 표시하고 끝냅니다
  -v, --version         버전을 표시하고 끝냅니다
  --purge-days N        창을 열지 않고, N일보다 전에 삭제한 항목을 완전히
                        삭제합니다(N은 창에서와 같이 씀, 음수 불가)
  --purge-before DATE   창을 열지 않고, DATE 이전에 삭제한 항목을 완전히
                        삭제합니다(2026-11-01, 20261101 또는 지역의 짧은
                        날짜 형식, 오늘 이후 불가)
  --dry-run             아무것도 삭제하지 않습니다. 분석 결과를 출력한 뒤
                        삭제될 항목마다 한 줄을 출력합니다(삭제한 날짜,
                        크기, 원래 위치를 탭으로 구분, 제어 문자와 UTF-8이
                        아닌 바이트와 %는 %XX로 씀)
  --all                 창을 열지 않고, 날짜와 관계없이 모든 항목을 완전히
                        삭제합니다
  --max-size SIZE       각 휴지통(홈 휴지통, 각 볼륨의 휴지통)의 항목이
                        SIZE 이하가 될 때까지 오래된 것부터 삭제합니다
  --min-free SIZE       볼륨의 여유 공간이 SIZE 이상이 될 때까지 그 볼륨
                        휴지통의 오래된 항목부터 삭제합니다
                        SIZE: 숫자에 K, M, G 또는 T(1024의 거듭제곱)를
                        붙이거나 볼륨 용량의 백분율(10%)
  --json                표준 출력에 JSON 문서 하나를 씁니다(텍스트
                        메시지는 표준 오류로)
  --quiet               오류만 출력합니다
  --verbose             삭제했거나 삭제하지 못한 항목마다 한 줄씩 더
                        출력합니다(경로는 --dry-run과 같이 씀)
  --trash-dir DIR       이 휴지통 디렉터리만 읽습니다(여러 번 지정 가능,
                        ~/.local/share/Trash, /media/usb/.Trash-1000,
                        /media/usb/.Trash/1000 등)

삭제의 종료 상태:
  0 대상 항목을 모두 삭제함(--dry-run: 분석 성공)
  1 삭제하지 못한 항목이 있음
  2 옵션, 일수, 날짜 또는 크기가 잘못됨. 아무것도 삭제하지 않음
  3 다른 삭제 작업이 진행 중
  4 중간에 항목의 텍스트를 변환하지 못함. 그 이전 항목은 삭제됨
  5 휴지통을 읽지 못함(아무것도 삭제하지 않음). 또는 볼륨이 제때
    응답하지 않음(그 항목은 남음)

-platform, -style 같은 Qt 자체 옵션도 사용할 수 있습니다.
</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值</source>
        <translation>%1 뒤에 값이 없습니다</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值，例如 %1 %2</source>
        <translation>%1 뒤에 값이 없습니다(예: %1 %2)</translation>
    </message>
    <message>
        <source>%1 不带值：请只写 %1，而不是“%2”</source>
        <translation>%1에는 값을 지정할 수 없으므로 &apos;%2&apos; 대신 %1만 지정하십시오</translation>
    </message>
    <message>
        <source>未知选项“%1”：可用的选项见 velmora --help</source>
        <translation>&apos;%1&apos;은(는) 알 수 없는 옵션입니다(사용할 수 있는 옵션은 velmora --help 참조)</translation>
    </message>
    <message>
        <source>无法读取命令行：用法见 velmora --help</source>
        <translation>명령줄을 읽을 수 없습니다(사용법은 velmora --help 참조)</translation>
    </message>
    <message>
        <source>多余的参数“%1”：velmora 只接受选项，见 velmora --help</source>
        <translation>&apos;%1&apos;은(는) 불필요한 인수입니다(velmora는 옵션만 받음, velmora --help 참조)</translation>
    </message>
    <message>
        <source>--purge-days 和 --purge-before 只能给出一个，且只能一次</source>
        <translation>--purge-days와 --purge-before 중 하나만 한 번 지정하십시오</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Could not convert variant of type (%1) into type (%2)</source>
        <translation>(%1) 형식의 값을 (%2) 형식으로 변환할 수 없습니다</translation>
    </message>
    <message>
        <source>Overflow while converting variant of type (%1) into type (%2)</source>
        <translation>(%1) 형식의 값을 (%2) 형식으로 변환하는 중 오버플로가 발생했습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos;은(는) 올바른 부동 소수점 값이 아닙니다</translation>
    </message>
    <message>
        <source>&apos;&apos;%1&apos;&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos;은(는) 올바른 정수 값이 아닙니다</translation>
    </message>
    <message>
        <source>Overflow: the cut-off falls before 1 January of year 1</source>
        <translation>오버플로: 기준 시각이 1년 1월 1일보다 이전입니다</translation>
    </message>
    <message>
        <source>&apos;%1.%2&apos; is not a valid timestamp</source>
        <translation>&apos;%1.%2&apos;은(는) 올바른 타임스탬프가 아닙니다</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>목록 인덱스가 범위를 벗어났습니다(%1)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>文件夹</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>%1 文件</source>
        <translation>%1 파일</translation>
    </message>
</context>
<context>
    <name>ItemBoxes</name>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>Purge</name>
    <message numerus="yes">
        <source>删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>삭제한 파일 또는 폴더: 항목 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>未能删除：%n项</source>
        <translation>
            <numerusform>삭제하지 못한 항목: %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>释放空间：%1</source>
        <translation>확보한 공간: %1</translation>
    </message>
</context>
<context>
    <name>PurgeCommand</name>
    <message>
        <source>“%1”不是回收站目录：请写家目录的回收站（如 ~/.local/share/Trash，只能一个）、卷上的 .Trash-%2 或 .Trash/%2</source>
        <translation>&apos;%1&apos;은(는) 휴지통 디렉터리가 아니므로 홈 디렉터리의 휴지통(예: ~/.local/share/Trash, 하나만) 또는 볼륨의 .Trash-%2나 .Trash/%2를 지정하십시오</translation>
    </message>
    <message>
        <source>未能读取回收站目录“%1”：它不存在、不是本用户的、是链接，或不符合其种类的要求</source>
        <translation>휴지통 디렉터리 &apos;%1&apos;은(는) 존재하지 않거나, 현재 사용자의 것이 아니거나, 링크이거나, 해당 종류의 요건을 충족하지 않아 읽지 못했습니다</translation>
    </message>
    <message>
        <source>“%1” 不是日期：请写 2026-11-01、20261101 或 %2</source>
        <translation>&apos;%1&apos;은(는) 날짜가 아니므로 2026-11-01, 20261101 또는 지역 형식 %2(으)로 지정하십시오</translation>
    </message>
    <message>
        <source>“%1” 的年份不在 %2 到 %3 之间</source>
        <translation>&apos;%1&apos;의 연도가 %2에서 %3 사이가 아닙니다</translation>
    </message>
    <message>
        <source>%1 在今天之后：这样的清除会清空整个回收站，请写今天或更早的日期</source>
        <translation>%1은(는) 오늘 이후의 날짜여서 휴지통 전체가 비워지므로 오늘 또는 그 이전 날짜를 지정하십시오</translation>
    </message>
    <message>
        <source>“%1”不是天数：请写 0 或更大的整数，如 30</source>
        <translation>&apos;%1&apos;은(는) 일수가 아니므로 0 이상의 정수(예: 30)를 지정하십시오</translation>
    </message>
    <message>
        <source>天数“%1”是负数：请写 0 或更大的整数，如 30</source>
        <translation>일수 &apos;%1&apos;이(가) 음수이므로 0 이상의 정수(예: 30)를 지정하십시오</translation>
    </message>
    <message>
        <source>天数“%1”太大：截止日期超出了可以表示的范围</source>
        <translation>일수 &apos;%1&apos;이(가) 너무 커서 기준 날짜가 표현할 수 있는 범위를 벗어납니다</translation>
    </message>
    <message>
        <source>卷“%1”未及时响应，未读取其中的回收站</source>
        <translation>볼륨 &apos;%1&apos;이(가) 제때 응답하지 않아 그 휴지통을 읽지 않았습니다</translation>
    </message>
    <message>
        <source>计划删除文件或文件夹：%1项<byte value="xd"/>合计占用空间：%2MB</source>
        <translation>삭제할 파일 또는 폴더: 항목 %1개<byte value="xd"/>총 사용 공간: %2MB</translation>
    </message>
    <message>
        <source>已删除：%1</source>
        <translation>삭제함: %1</translation>
    </message>
    <message>
        <source>未能删除：%1</source>
        <translation>삭제하지 못함: %1</translation>
    </message>
    <message>
        <source>卷“%1”即使删除所有可删除的项目，可用空间仍少 %2 字节</source>
        <translation>볼륨 &apos;%1&apos;은(는) 삭제할 수 있는 항목을 모두 삭제해도 여유 공간이 %2바이트 부족합니다</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：清除在这一项停止，之前的项目已删除</source>
        <translation>목록의 항목을 읽을 수 없어 삭제가 이 항목에서 멈췄으며, 그 앞의 항목은 삭제되었습니다</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：未删除任何项目</source>
        <translation>목록의 항목을 읽을 수 없어 아무것도 삭제하지 않았습니다</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：清除在这一项停止，之前的项目已删除</source>
        <translation>목록의 &apos;%1&apos;은(는) 읽을 수 있는 날짜나 크기가 아니어서 삭제가 이 항목에서 멈췄으며, 그 앞의 항목은 삭제되었습니다</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：未删除任何项目</source>
        <translation>목록의 &apos;%1&apos;은(는) 읽을 수 있는 날짜나 크기가 아니어서 아무것도 삭제하지 않았습니다</translation>
    </message>
</context>
<context>
    <name>PurgeProgress</name>
    <message>
        <source>清除中：%1/%2 项，已释放 %3MB</source>
        <translation>삭제 중: 항목 %1/%2개, %3MB 확보</translation>
    </message>
</context>
<context>
    <name>PurgeQuestion</name>
    <message numerus="yes">
        <source>将永久删除 %n项（共 %1），此操作无法撤销。是否继续？</source>
        <translation>
            <numerusform>항목 %n개(총 %1)를 완전히 삭제합니다. 이 작업은 되돌릴 수 없습니다. 계속하시겠습니까?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>是</source>
        <translation>예</translation>
    </message>
    <message>
        <source>否</source>
        <translation>아니요</translation>
    </message>
</context>
<context>
    <name>RemovalPermit</name>
    <message>
        <source>另一个清除正在进行</source>
        <translation>다른 삭제 작업이 진행 중입니다</translation>
    </message>
    <message>
        <source>无法锁定回收站，未删除任何项目</source>
        <translation>휴지통을 잠글 수 없어 아무것도 삭제하지 않았습니다</translation>
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
            <numerusform>항목 %n개</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrashSource</name>
    <message>
        <source>内存不足，未能读取回收站</source>
        <translation>메모리가 부족하여 휴지통을 읽지 못했습니다</translation>
    </message>
    <message>
        <source>无法读取回收站“%1”：%2</source>
        <translation>휴지통 &apos;%1&apos;을(를) 읽을 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>velmora::ItemCommands</name>
    <message numerus="yes">
        <source>%1 字节</source>
        <translation>
            <numerusform>%1바이트</numerusform>
        </translation>
    </message>
    <message>
        <source>正在还原…</source>
        <translation>복원하는 중…</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置已存在同名项目。</source>
        <translation>&apos;%1&apos;을(를) 복원할 수 없습니다. 원래 위치에 같은 이름의 항목이 이미 있습니다.</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置无效。</source>
        <translation>&apos;%1&apos;을(를) 복원할 수 없습니다. 원래 위치가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>无法还原“%1”。</source>
        <translation>&apos;%1&apos;을(를) 복원할 수 없습니다.</translation>
    </message>
    <message>
        <source>确实要永久删除此项吗？

%1</source>
        <translation>이 항목을 완전히 삭제하시겠습니까?

%1</translation>
    </message>
    <message>
        <source>无法完全删除“%1”。</source>
        <translation>&apos;%1&apos;을(를) 완전히 삭제하지 못했습니다.</translation>
    </message>
    <message>
        <source>Rename to %1 failed</source>
        <translation>%1(으)로 이름을 바꾸지 못했습니다</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>원래 위치</translation>
    </message>
    <message>
        <source>删除日期</source>
        <translation>삭제한 날짜</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>占用空间</source>
        <translation>사용 공간</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>실제 크기</translation>
    </message>
    <message>
        <source>包含</source>
        <translation>포함</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>파일 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件夹</source>
        <translation>
            <numerusform>폴더 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>수정한 날짜</translation>
    </message>
    <message>
        <source>存储位置</source>
        <translation>저장 위치</translation>
    </message>
</context>
<context>
    <name>velmora::ItemMenu</name>
    <message>
        <source>还原</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>속성</translation>
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
        <translation>취소</translation>
    </message>
    <message>
        <source>正在清除…</source>
        <translation>삭제하는 중…</translation>
    </message>
</context>
<context>
    <name>velmora::TFindDialog</name>
    <message>
        <source>查找</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>查找内容(&amp;N):</source>
        <translation>검색어(&amp;N):</translation>
    </message>
    <message>
        <source>全字匹配(&amp;W)</source>
        <translation>단어 단위로(&amp;W)</translation>
    </message>
    <message>
        <source>区分大小写(&amp;C)</source>
        <translation>대소문자 구분(&amp;C)</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>방향</translation>
    </message>
    <message>
        <source>向上(&amp;U)</source>
        <translation>위(&amp;U)</translation>
    </message>
    <message>
        <source>向下(&amp;D)</source>
        <translation>아래(&amp;D)</translation>
    </message>
    <message>
        <source>查找下一个(&amp;F)</source>
        <translation>다음 찾기(&amp;F)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>velmora::TForm1</name>
    <message>
        <source>安全清理回收站</source>
        <translation>휴지통 안전하게 비우기</translation>
    </message>
    <message>
        <source>回收站</source>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>分析</source>
        <translation>분석</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>按日期：清除</source>
        <translation>날짜로 삭제:</translation>
    </message>
    <message>
        <source>之前删除到回收站的文件</source>
        <translation>이전에 휴지통으로 옮긴 파일</translation>
    </message>
    <message>
        <source>按天数：清除</source>
        <translation>일수로 삭제:</translation>
    </message>
    <message>
        <source>天之前删除到回收站中的文件</source>
        <translation>일 이상 전에 휴지통으로 옮긴 파일</translation>
    </message>
    <message>
        <source>关于&quot;%1&quot;</source>
        <translation>%1 정보</translation>
    </message>
    <message>
        <source>回收站中已删除文件、文件夹共：</source>
        <translation>휴지통에 있는 파일 및 폴더 수:</translation>
    </message>
    <message>
        <source>合计占用空间：</source>
        <translation>총 사용 공간:</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>검색</translation>
    </message>
    <message numerus="yes">
        <source>不可用的卷：%n个</source>
        <translation>
            <numerusform>사용할 수 없는 볼륨: %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>搜索结束！</source>
        <translation>검색을 마쳤습니다.</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmAbout</name>
    <message>
        <source>技术支持：</source>
        <translation>지원:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmAnalyze</name>
    <message>
        <source>占用空间饼图</source>
        <translation>사용 공간 원형 차트</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>%1 - 分析</source>
        <translation>%1 - 분석</translation>
    </message>
    <message>
        <source> 指定时间前删除文件占用空间</source>
        <translation> 지정 시각 이전에 삭제한 파일의 사용 공간</translation>
    </message>
    <message>
        <source> 其它时间删除文件占用空间</source>
        <translation> 다른 시각에 삭제한 파일의 사용 공간</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmProperties</name>
    <message>
        <source>%1 属性</source>
        <translation>%1 속성</translation>
    </message>
    <message>
        <source>%1：</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
</context>
</TS>
