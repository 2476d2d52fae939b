<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="zh_CN">
<context>
    <name>AgeAnalysis</name>
    <message numerus="yes">
        <source>回收站中有 %1 前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>%n item da lixeira foi excluído antes de %1</numerusform>
            <numerusform>%n itens da lixeira foram excluídos antes de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>回收站中有 %1 天前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>%n item da lixeira foi excluído há %1 dias ou mais</numerusform>
            <numerusform>%n itens da lixeira foram excluídos há %1 dias ou mais</numerusform>
        </translation>
    </message>
    <message>
        <source>合计占用空间：%1MB</source>
        <translation>Espaço total ocupado: %1 MB</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>删除日期</source>
        <translation>Data de exclusão</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>Localização original</translation>
    </message>
    <message>
        <source>项目类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>Data de modificação</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 只能给出一次</source>
        <translation>%1 só pode ser informado uma vez</translation>
    </message>
    <message>
        <source>%1 的“%2”不是大小：请写数字加 K、M、G 或 T（如 500M、1.5G），或不超过 100% 的卷容量百分比（如 10%）</source>
        <translation>%1: “%2” não é um tamanho; esperava-se um número com K, M, G ou T (como 500M ou 1.5G) ou uma porcentagem do volume de até 100% (como 10%)</translation>
    </message>
    <message>
        <source>--all 已包含所有项目，不能再与 --purge-days、--purge-before、--max-size 或 --min-free 一起使用</source>
        <translation>--all já inclui todos os itens; não pode ser combinado com --purge-days, --purge-before, --max-size ou --min-free</translation>
    </message>
    <message>
        <source>--quiet 和 --verbose 只能选一个</source>
        <translation>informe apenas uma das opções --quiet e --verbose</translation>
    </message>
    <message>
        <source>%1 需要 --purge-days、--purge-before、--max-size、--min-free 或 --all</source>
        <translation>%1 requer --purge-days, --purge-before, --max-size, --min-free ou --all</translation>
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
        <translation>Uso: velmora [opções]

Esvazia a lixeira de forma seletiva, por data de exclusão ou por espaço. Sem
opções, abre a janela principal.

Opções:
  -h, --help            mostrar esta ajuda e sair
  -v, --version         mostrar a versão e sair
  --purge-days N        remover de vez, sem janela, os itens excluídos há mais
                        de N dias (N como na janela; não negativo)
  --purge-before DATE   remover de vez, sem janela, os itens excluídos antes
                        de DATE (2026-11-01, 20261101 ou a data curta local;
                        não depois de hoje)
  --dry-run             não remover nada: mostrar a análise e depois uma linha
                        por item que seria removido: data de exclusão, tamanho
                        e localização original, separados por tabulações
                        (caracteres de controle, bytes que não são UTF-8 e %
                        escritos como %XX)
  --all                 remover de vez, sem janela, todos os itens, qualquer
                        que seja a data
  --max-size SIZE       reduzir cada lixeira (a da pasta pessoal, a de cada
                        volume) até que seus itens ocupem no máximo SIZE, os
                        mais antigos primeiro
  --min-free SIZE       remover os itens mais antigos da lixeira de um volume
                        até que ele tenha pelo menos SIZE livres
                        SIZE: um número com K, M, G ou T (potências de 1024)
                        ou uma porcentagem do tamanho do volume (10%)
  --json                escrever um documento JSON na saída padrão; os textos
                        vão para a saída de erro padrão
  --quiet               mostrar apenas os erros
  --verbose             uma linha a mais por item removido ou que ficou
                        (caminhos escritos como em --dry-run)
  --trash-dir DIR       ler apenas este diretório de lixeira
                        (~/.local/share/Trash, /media/usb/.Trash-1000,
                        /media/usb/.Trash/1000); pode ser repetido

Status de saída de uma remoção:
  0 todos os itens elegíveis foram removidos (--dry-run: a análise deu certo)
  1 alguns itens ficaram
  2 opção, número de dias, data ou tamanho inválido; nada foi removido
  3 outra remoção já está em andamento
  4 o texto de uma linha não pôde ser convertido no meio do caminho; os itens
    anteriores foram removidos
  5 não foi possível ler a lixeira (nada foi removido) ou um volume não
    respondeu a tempo (seus itens ficam)

As opções próprias do Qt, como -platform e -style, também são aceitas.
</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值</source>
        <translation>falta o valor depois de %1</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值，例如 %1 %2</source>
        <translation>falta o valor depois de %1, como em %1 %2</translation>
    </message>
    <message>
        <source>%1 不带值：请只写 %1，而不是“%2”</source>
        <translation>%1 não aceita valor; esperava-se apenas %1, não “%2”</translation>
    </message>
    <message>
        <source>未知选项“%1”：可用的选项见 velmora --help</source>
        <translation>opção desconhecida “%1”; veja as opções em velmora --help</translation>
    </message>
    <message>
        <source>无法读取命令行：用法见 velmora --help</source>
        <translation>não foi possível ler a linha de comando; veja o uso em velmora --help</translation>
    </message>
    <message>
        <source>多余的参数“%1”：velmora 只接受选项，见 velmora --help</source>
        <translation>argumento inesperado “%1”; o velmora aceita apenas opções (veja velmora --help)</translation>
    </message>
    <message>
        <source>--purge-days 和 --purge-before 只能给出一个，且只能一次</source>
        <translation>informe apenas uma de --purge-days e --purge-before, e uma única vez</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Could not convert variant of type (%1) into type (%2)</source>
        <translation>Não foi possível converter a variante do tipo (%1) para o tipo (%2)</translation>
    </message>
    <message>
        <source>Overflow while converting variant of type (%1) into type (%2)</source>
        <translation>Estouro ao converter a variante do tipo (%1) para o tipo (%2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>“%1” não é um valor de ponto flutuante válido</translation>
    </message>
    <message>
        <source>&apos;&apos;%1&apos;&apos; is not a valid integer value</source>
        <translation>“%1” não é um valor inteiro válido</translation>
    </message>
    <message>
        <source>Overflow: the cut-off falls before 1 January of year 1</source>
        <translation>Estouro: a data limite cai antes de 1º de janeiro do ano 1</translation>
    </message>
    <message>
        <source>&apos;%1.%2&apos; is not a valid timestamp</source>
        <translation>“%1.%2” não é um carimbo de data/hora válido</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fora dos limites (%1)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>文件夹</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>%1 文件</source>
        <translation>Arquivo %1</translation>
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
            <numerusform>%n item excluído</numerusform>
            <numerusform>%n itens excluídos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>未能删除：%n项</source>
        <translation>
            <numerusform>Não foi possível excluir %n item</numerusform>
            <numerusform>Não foi possível excluir %n itens</numerusform>
        </translation>
    </message>
    <message>
        <source>释放空间：%1</source>
        <translation>Espaço liberado: %1</translation>
    </message>
</context>
<context>
    <name>PurgeCommand</name>
    <message>
        <source>“%1”不是回收站目录：请写家目录的回收站（如 ~/.local/share/Trash，只能一个）、卷上的 .Trash-%2 或 .Trash/%2</source>
        <translation>“%1” não é um diretório de lixeira; esperava-se a lixeira da pasta pessoal (como ~/.local/share/Trash, apenas uma) ou a .Trash-%2 ou .Trash/%2 de um volume</translation>
    </message>
    <message>
        <source>未能读取回收站目录“%1”：它不存在、不是本用户的、是链接，或不符合其种类的要求</source>
        <translation>não foi possível ler o diretório de lixeira “%1”: ele não existe, não pertence a você, é um link ou não passa nas verificações do seu tipo</translation>
    </message>
    <message>
        <source>“%1” 不是日期：请写 2026-11-01、20261101 或 %2</source>
        <translation>“%1” não é uma data; esperava-se 2026-11-01, 20261101 ou a forma local %2</translation>
    </message>
    <message>
        <source>“%1” 的年份不在 %2 到 %3 之间</source>
        <translation>o ano de “%1” não está entre %2 e %3</translation>
    </message>
    <message>
        <source>%1 在今天之后：这样的清除会清空整个回收站，请写今天或更早的日期</source>
        <translation>%1 é depois de hoje, e essa remoção esvaziaria toda a lixeira; esperava-se hoje ou uma data anterior</translation>
    </message>
    <message>
        <source>“%1”不是天数：请写 0 或更大的整数，如 30</source>
        <translation>“%1” não é um número de dias; esperava-se um número inteiro a partir de 0, como 30</translation>
    </message>
    <message>
        <source>天数“%1”是负数：请写 0 或更大的整数，如 30</source>
        <translation>o número de dias “%1” é negativo; esperava-se um número inteiro a partir de 0, como 30</translation>
    </message>
    <message>
        <source>天数“%1”太大：截止日期超出了可以表示的范围</source>
        <translation>o número de dias “%1” é grande demais; a data limite ficaria fora do intervalo representável</translation>
    </message>
    <message>
        <source>卷“%1”未及时响应，未读取其中的回收站</source>
        <translation>o volume “%1” não respondeu a tempo; sua lixeira não foi lida</translation>
    </message>
    <message>
        <source>计划删除文件或文件夹：%1项<byte value="xd"/>合计占用空间：%2MB</source>
        <translation>Arquivos ou pastas a remover: %1<byte value="xd"/>Espaço ocupado: %2 MB</translation>
    </message>
    <message>
        <source>已删除：%1</source>
        <translation>Removido: %1</translation>
    </message>
    <message>
        <source>未能删除：%1</source>
        <translation>Não foi possível remover: %1</translation>
    </message>
    <message>
        <source>卷“%1”即使删除所有可删除的项目，可用空间仍少 %2 字节</source>
        <translation>ainda faltam %2 bytes de espaço livre no volume “%1”, mesmo removendo todos os itens elegíveis</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：清除在这一项停止，之前的项目已删除</source>
        <translation>um item da lista não pode ser lido; a remoção parou nele, e os itens anteriores foram excluídos</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：未删除任何项目</source>
        <translation>um item da lista não pode ser lido; nada foi excluído</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：清除在这一项停止，之前的项目已删除</source>
        <translation>o texto “%1” da lista não é uma data nem um tamanho legível; a remoção parou nele, e os itens anteriores foram excluídos</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：未删除任何项目</source>
        <translation>o texto “%1” da lista não é uma data nem um tamanho legível; nada foi excluído</translation>
    </message>
</context>
<context>
    <name>PurgeProgress</name>
    <message>
        <source>清除中：%1/%2 项，已释放 %3MB</source>
        <translation>Removendo: %1/%2 itens, %3 MB liberados</translation>
    </message>
</context>
<context>
    <name>PurgeQuestion</name>
    <message numerus="yes">
        <source>将永久删除 %n项（共 %1），此操作无法撤销。是否继续？</source>
        <translation>
            <numerusform>%n item (%1 no total) será excluído permanentemente. Esta ação não pode ser desfeita. Deseja continuar?</numerusform>
            <numerusform>%n itens (%1 no total) serão excluídos permanentemente. Esta ação não pode ser desfeita. Deseja continuar?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>是</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>RemovalPermit</name>
    <message>
        <source>另一个清除正在进行</source>
        <translation>Outra remoção já está em andamento</translation>
    </message>
    <message>
        <source>无法锁定回收站，未删除任何项目</source>
        <translation>Não foi possível bloquear a lixeira; nada foi excluído</translation>
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
            <numerusform>%n itens</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrashSource</name>
    <message>
        <source>内存不足，未能读取回收站</source>
        <translation>Memória insuficiente: não foi possível ler a lixeira</translation>
    </message>
    <message>
        <source>无法读取回收站“%1”：%2</source>
        <translation>Não foi possível ler a lixeira “%1”: %2</translation>
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
        <translation>Não foi possível restaurar “%1”: já existe um item com o mesmo nome na localização original.</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置无效。</source>
        <translation>Não foi possível restaurar “%1”: a localização original não é válida.</translation>
    </message>
    <message>
        <source>无法还原“%1”。</source>
        <translation>Não foi possível restaurar “%1”.</translation>
    </message>
    <message>
        <source>确实要永久删除此项吗？

%1</source>
        <translation>Tem certeza de que deseja excluir permanentemente este item?

%1</translation>
    </message>
    <message>
        <source>无法完全删除“%1”。</source>
        <translation>Não foi possível excluir completamente “%1”.</translation>
    </message>
    <message>
        <source>Rename to %1 failed</source>
        <translation>Falha ao renomear para %1</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>删除日期</source>
        <translation>Excluído</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>占用空间</source>
        <translation>Em disco</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>包含</source>
        <translation>Contém</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件夹</source>
        <translation>
            <numerusform>%n pasta</numerusform>
            <numerusform>%n pastas</numerusform>
        </translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>存储位置</source>
        <translation>Caminho</translation>
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
        <translation>Excluir</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Propriedades</translation>
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
        <translation>Parar</translation>
    </message>
    <message>
        <source>正在清除…</source>
        <translation>Removendo…</translation>
    </message>
</context>
<context>
    <name>velmora::TFindDialog</name>
    <message>
        <source>查找</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>查找内容(&amp;N):</source>
        <translation>&amp;Localizar:</translation>
    </message>
    <message>
        <source>全字匹配(&amp;W)</source>
        <translation>Palavra &amp;inteira</translation>
    </message>
    <message>
        <source>区分大小写(&amp;C)</source>
        <translation>&amp;Maiúsculas</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>向上(&amp;U)</source>
        <translation>A&amp;cima</translation>
    </message>
    <message>
        <source>向下(&amp;D)</source>
        <translation>A&amp;baixo</translation>
    </message>
    <message>
        <source>查找下一个(&amp;F)</source>
        <translation>&amp;Próximo</translation>
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
        <translation>Limpar a lixeira com segurança</translation>
    </message>
    <message>
        <source>回收站</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <source>分析</source>
        <translation>Analisar</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>按日期：清除</source>
        <translation>Antes de</translation>
    </message>
    <message>
        <source>之前删除到回收站的文件</source>
        <translation>(data de exclusão)</translation>
    </message>
    <message>
        <source>按天数：清除</source>
        <translation>Excluídos há</translation>
    </message>
    <message>
        <source>天之前删除到回收站中的文件</source>
        <translation>dias ou mais</translation>
    </message>
    <message>
        <source>关于&quot;%1&quot;</source>
        <translation>Sobre %1</translation>
    </message>
    <message>
        <source>回收站中已删除文件、文件夹共：</source>
        <translation>Arquivos e pastas excluídos na lixeira:</translation>
    </message>
    <message>
        <source>合计占用空间：</source>
        <translation>Espaço ocupado:</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Buscar</translation>
    </message>
    <message numerus="yes">
        <source>不可用的卷：%n个</source>
        <translation>
            <numerusform>%n volume indisponível</numerusform>
            <numerusform>%n volumes indisponíveis</numerusform>
        </translation>
    </message>
    <message>
        <source>搜索结束！</source>
        <translation>Pesquisa concluída.</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmAbout</name>
    <message>
        <source>技术支持：</source>
        <translation>Suporte:</translation>
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
        <translation>Gráfico de pizza do espaço ocupado</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 - 分析</source>
        <translation>%1 - Análise</translation>
    </message>
    <message>
        <source> 指定时间前删除文件占用空间</source>
        <translation> Espaço ocupado por arquivos excluídos antes da data escolhida</translation>
    </message>
    <message>
        <source> 其它时间删除文件占用空间</source>
        <translation> Espaço ocupado por arquivos excluídos em outras datas</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmProperties</name>
    <message>
        <source>%1 属性</source>
        <translation>Propriedades de %1</translation>
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
