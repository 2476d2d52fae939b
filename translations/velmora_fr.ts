<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>AgeAnalysis</name>
    <message numerus="yes">
        <source>回收站中有 %1 前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>%n élément de la corbeille a été supprimé avant le %1</numerusform>
            <numerusform>%n éléments de la corbeille ont été supprimés avant le %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>回收站中有 %1 天前删除文件或文件夹：%n项</source>
        <translation>
            <numerusform>%n élément de la corbeille a été supprimé il y a %1 jours ou plus</numerusform>
            <numerusform>%n éléments de la corbeille ont été supprimés il y a %1 jours ou plus</numerusform>
        </translation>
    </message>
    <message>
        <source>合计占用空间：%1MB</source>
        <translation>Espace total occupé&#xa0;: %1&#xa0;Mo</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>删除日期</source>
        <translation>Date de suppression</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>Emplacement d’origine</translation>
    </message>
    <message>
        <source>项目类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>Date de modification</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 只能给出一次</source>
        <translation>%1 ne peut être indiqué qu’une seule fois</translation>
    </message>
    <message>
        <source>%1 的“%2”不是大小：请写数字加 K、M、G 或 T（如 500M、1.5G），或不超过 100% 的卷容量百分比（如 10%）</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n’est pas une taille&#xa0;; attendu&#xa0;: un nombre suivi de K, M, G ou T (comme 500M ou 1.5G), ou un pourcentage du volume jusqu’à 100&#xa0;% (comme 10%)</translation>
    </message>
    <message>
        <source>--all 已包含所有项目，不能再与 --purge-days、--purge-before、--max-size 或 --min-free 一起使用</source>
        <translation>--all prend déjà tous les éléments&#xa0;; il ne peut pas être combiné avec --purge-days, --purge-before, --max-size ou --min-free</translation>
    </message>
    <message>
        <source>--quiet 和 --verbose 只能选一个</source>
        <translation>n’indiquer qu’une seule option parmi --quiet et --verbose</translation>
    </message>
    <message>
        <source>%1 需要 --purge-days、--purge-before、--max-size、--min-free 或 --all</source>
        <translation>%1 nécessite --purge-days, --purge-before, --max-size, --min-free ou --all</translation>
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
        <translation>Utilisation&#xa0;: velmora [options]

Vide la corbeille de façon sélective, selon la date de suppression ou l’espace
occupé. Sans option, ouvre la fenêtre principale.

Options&#xa0;:
  -h, --help            afficher cette aide et quitter
  -v, --version         afficher la version et quitter
  --purge-days N        supprimer définitivement, sans fenêtre, les éléments
                        mis à la corbeille il y a plus de N jours (N comme
                        dans la fenêtre&#xa0;; pas négatif)
  --purge-before DATE   supprimer définitivement, sans fenêtre, les éléments
                        mis à la corbeille avant DATE (2026-11-01, 20261101
                        ou la date courte locale&#xa0;; pas après aujourd’hui)
  --dry-run             ne rien supprimer&#xa0;: afficher l’analyse, puis une
                        ligne par élément qui serait supprimé&#xa0;: date de
                        suppression, taille et emplacement d’origine, séparés
                        par des tabulations (caractères de contrôle, octets
                        non UTF-8 et % écrits %XX)
  --all                 supprimer définitivement, sans fenêtre, tous les
                        éléments, quelle que soit leur date
  --max-size SIZE       réduire chaque corbeille (celle du dossier personnel,
                        celle de chaque volume) jusqu’à ce que ses éléments
                        occupent au plus SIZE, les plus anciens d’abord
  --min-free SIZE       supprimer les éléments les plus anciens de la
                        corbeille d’un volume jusqu’à ce que le volume ait au
                        moins SIZE d’espace libre
                        SIZE&#xa0;: un nombre suivi de K, M, G ou T (puissances
                        de 1024), ou un pourcentage de la taille du volume
                        (10%)
  --json                écrire un document JSON sur la sortie standard&#xa0;; les
                        textes vont sur la sortie d’erreur
  --quiet               n’afficher que les erreurs
  --verbose             une ligne de plus par élément supprimé ou resté
                        (chemins écrits comme avec --dry-run)
  --trash-dir DIR       ne lire que ce dossier de corbeille
                        (~/.local/share/Trash, /media/usb/.Trash-1000,
                        /media/usb/.Trash/1000)&#xa0;; peut être répété

Code de sortie d’une suppression&#xa0;:
  0 tous les éléments visés sont supprimés (--dry-run&#xa0;: l’analyse a réussi)
  1 certains éléments sont restés
  2 option, nombre de jours, date ou taille incorrects&#xa0;; rien n’est supprimé
  3 une autre suppression est en cours
  4 le texte d’une ligne n’a pu être converti en cours de route&#xa0;; les
    éléments précédents sont supprimés
  5 la corbeille n’a pu être lue (rien n’est supprimé), ou un volume n’a pas
    répondu à temps (ses éléments restent)

Les options propres à Qt, comme -platform et -style, sont aussi acceptées.
</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值</source>
        <translation>il manque la valeur après %1</translation>
    </message>
    <message>
        <source>%1 后面缺少它的值，例如 %1 %2</source>
        <translation>il manque la valeur après %1, par exemple %1 %2</translation>
    </message>
    <message>
        <source>%1 不带值：请只写 %1，而不是“%2”</source>
        <translation>%1 ne prend pas de valeur&#xa0;; attendu&#xa0;: %1 seul, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>未知选项“%1”：可用的选项见 velmora --help</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»&#xa0;; voir velmora --help pour les options</translation>
    </message>
    <message>
        <source>无法读取命令行：用法见 velmora --help</source>
        <translation>impossible de lire la ligne de commande&#xa0;; voir velmora --help pour l’utilisation</translation>
    </message>
    <message>
        <source>多余的参数“%1”：velmora 只接受选项，见 velmora --help</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»&#xa0;; velmora n’accepte que des options (voir velmora --help)</translation>
    </message>
    <message>
        <source>--purge-days 和 --purge-before 只能给出一个，且只能一次</source>
        <translation>indiquez une seule des options --purge-days et --purge-before, une seule fois</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Could not convert variant of type (%1) into type (%2)</source>
        <translation>Impossible de convertir un variant de type (%1) en type (%2)</translation>
    </message>
    <message>
        <source>Overflow while converting variant of type (%1) into type (%2)</source>
        <translation>Dépassement lors de la conversion d’un variant de type (%1) en type (%2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une valeur à virgule flottante valide</translation>
    </message>
    <message>
        <source>&apos;&apos;%1&apos;&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une valeur entière valide</translation>
    </message>
    <message>
        <source>Overflow: the cut-off falls before 1 January of year 1</source>
        <translation>Dépassement&#xa0;: la date limite tombe avant le 1er janvier de l’an 1</translation>
    </message>
    <message>
        <source>&apos;%1.%2&apos; is not a valid timestamp</source>
        <translation>«&#xa0;%1.%2&#xa0;» n’est pas un horodatage valide</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Index de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>文件夹</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>%1 文件</source>
        <translation>Fichier %1</translation>
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
            <numerusform>%n élément supprimé</numerusform>
            <numerusform>%n éléments supprimés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>未能删除：%n项</source>
        <translation>
            <numerusform>%n élément n’a pas pu être supprimé</numerusform>
            <numerusform>%n éléments n’ont pas pu être supprimés</numerusform>
        </translation>
    </message>
    <message>
        <source>释放空间：%1</source>
        <translation>Espace libéré&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PurgeCommand</name>
    <message>
        <source>“%1”不是回收站目录：请写家目录的回收站（如 ~/.local/share/Trash，只能一个）、卷上的 .Trash-%2 或 .Trash/%2</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un dossier de corbeille&#xa0;; attendu&#xa0;: la corbeille du dossier personnel (comme ~/.local/share/Trash, une seule) ou, sur un volume, .Trash-%2 ou .Trash/%2</translation>
    </message>
    <message>
        <source>未能读取回收站目录“%1”：它不存在、不是本用户的、是链接，或不符合其种类的要求</source>
        <translation>le dossier de corbeille «&#xa0;%1&#xa0;» n’a pas pu être lu&#xa0;: il est absent, ne vous appartient pas, est un lien ou ne satisfait pas aux contrôles propres à son type</translation>
    </message>
    <message>
        <source>“%1” 不是日期：请写 2026-11-01、20261101 或 %2</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date&#xa0;; attendu&#xa0;: 2026-11-01, 20261101 ou la forme locale %2</translation>
    </message>
    <message>
        <source>“%1” 的年份不在 %2 到 %3 之间</source>
        <translation>l’année de «&#xa0;%1&#xa0;» n’est pas comprise entre %2 et %3</translation>
    </message>
    <message>
        <source>%1 在今天之后：这样的清除会清空整个回收站，请写今天或更早的日期</source>
        <translation>%1 est postérieur à aujourd’hui, et une telle suppression viderait toute la corbeille&#xa0;; attendu&#xa0;: aujourd’hui ou une date antérieure</translation>
    </message>
    <message>
        <source>“%1”不是天数：请写 0 或更大的整数，如 30</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre de jours&#xa0;; attendu&#xa0;: un nombre entier positif ou nul, comme 30</translation>
    </message>
    <message>
        <source>天数“%1”是负数：请写 0 或更大的整数，如 30</source>
        <translation>le nombre de jours «&#xa0;%1&#xa0;» est négatif&#xa0;; attendu&#xa0;: un nombre entier positif ou nul, comme 30</translation>
    </message>
    <message>
        <source>天数“%1”太大：截止日期超出了可以表示的范围</source>
        <translation>le nombre de jours «&#xa0;%1&#xa0;» est trop grand&#xa0;; la date limite sortirait de la plage représentable</translation>
    </message>
    <message>
        <source>卷“%1”未及时响应，未读取其中的回收站</source>
        <translation>le volume «&#xa0;%1&#xa0;» n’a pas répondu à temps&#xa0;; sa corbeille n’a pas été lue</translation>
    </message>
    <message>
        <source>计划删除文件或文件夹：%1项<byte value="xd"/>合计占用空间：%2MB</source>
        <translation>Fichiers ou dossiers à supprimer&#xa0;: %1<byte value="xd"/>Espace occupé&#xa0;: %2&#xa0;Mo</translation>
    </message>
    <message>
        <source>已删除：%1</source>
        <translation>Supprimé&#xa0;: %1</translation>
    </message>
    <message>
        <source>未能删除：%1</source>
        <translation>Échec de la suppression&#xa0;: %1</translation>
    </message>
    <message>
        <source>卷“%1”即使删除所有可删除的项目，可用空间仍少 %2 字节</source>
        <translation>il manque encore %2 octets d’espace libre au volume «&#xa0;%1&#xa0;», même une fois supprimés tous les éléments admissibles</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：清除在这一项停止，之前的项目已删除</source>
        <translation>un élément de la liste est illisible&#xa0;; la suppression s’est arrêtée là, les éléments précédents sont supprimés</translation>
    </message>
    <message>
        <source>列表中有一项无法读取：未删除任何项目</source>
        <translation>un élément de la liste est illisible&#xa0;; rien n’a été supprimé</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：清除在这一项停止，之前的项目已删除</source>
        <translation>le texte «&#xa0;%1&#xa0;» de la liste n’est ni une date ni une taille lisible&#xa0;; la suppression s’est arrêtée là, les éléments précédents sont supprimés</translation>
    </message>
    <message>
        <source>列表中的“%1”不是可读的日期或大小：未删除任何项目</source>
        <translation>le texte «&#xa0;%1&#xa0;» de la liste n’est ni une date ni une taille lisible&#xa0;; rien n’a été supprimé</translation>
    </message>
</context>
<context>
    <name>PurgeProgress</name>
    <message>
        <source>清除中：%1/%2 项，已释放 %3MB</source>
        <translation>Suppression&#xa0;: %1/%2 éléments, %3&#xa0;Mo libérés</translation>
    </message>
</context>
<context>
    <name>PurgeQuestion</name>
    <message numerus="yes">
        <source>将永久删除 %n项（共 %1），此操作无法撤销。是否继续？</source>
        <translation>
            <numerusform>%n élément (%1 au total) sera supprimé définitivement. Cette opération est irréversible. Continuer&#xa0;?</numerusform>
            <numerusform>%n éléments (%1 au total) seront supprimés définitivement. Cette opération est irréversible. Continuer&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>是</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>RemovalPermit</name>
    <message>
        <source>另一个清除正在进行</source>
        <translation>Une autre suppression est en cours</translation>
    </message>
    <message>
        <source>无法锁定回收站，未删除任何项目</source>
        <translation>Impossible de verrouiller la corbeille&#xa0;; rien n’a été supprimé</translation>
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
            <numerusform>%n élément</numerusform>
            <numerusform>%n éléments</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrashSource</name>
    <message>
        <source>内存不足，未能读取回收站</source>
        <translation>Mémoire insuffisante&#xa0;: la corbeille n’a pas pu être lue</translation>
    </message>
    <message>
        <source>无法读取回收站“%1”：%2</source>
        <translation>Impossible de lire la corbeille «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>velmora::ItemCommands</name>
    <message numerus="yes">
        <source>%1 字节</source>
        <translation>
            <numerusform>%1 octet</numerusform>
            <numerusform>%1 octets</numerusform>
        </translation>
    </message>
    <message>
        <source>正在还原…</source>
        <translation>Restauration…</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置已存在同名项目。</source>
        <translation>Impossible de restaurer «&#xa0;%1&#xa0;»&#xa0;: un élément du même nom existe déjà à son emplacement d’origine.</translation>
    </message>
    <message>
        <source>无法还原“%1”：原位置无效。</source>
        <translation>Impossible de restaurer «&#xa0;%1&#xa0;»&#xa0;: son emplacement d’origine n’est pas valide.</translation>
    </message>
    <message>
        <source>无法还原“%1”。</source>
        <translation>Impossible de restaurer «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>确实要永久删除此项吗？

%1</source>
        <translation>Voulez-vous vraiment supprimer définitivement cet élément&#xa0;?

%1</translation>
    </message>
    <message>
        <source>无法完全删除“%1”。</source>
        <translation>Impossible de supprimer complètement «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Rename to %1 failed</source>
        <translation>Échec du renommage en %1</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>删除日期</source>
        <translation>Supprimé</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>占用空间</source>
        <translation>Sur disque</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>包含</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件夹</source>
        <translation>
            <numerusform>%n dossier</numerusform>
            <numerusform>%n dossiers</numerusform>
        </translation>
    </message>
    <message>
        <source>修改日期</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>存储位置</source>
        <translation>Stockage</translation>
    </message>
</context>
<context>
    <name>velmora::ItemMenu</name>
    <message>
        <source>还原</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Propriétés</translation>
    </message>
</context>
<context>
    <name>velmora::PieChart</name>
    <message>
        <source>%1：%2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>velmora::PurgeProgressWindow</name>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>正在清除…</source>
        <translation>Suppression…</translation>
    </message>
</context>
<context>
    <name>velmora::TFindDialog</name>
    <message>
        <source>查找</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>查找内容(&amp;N):</source>
        <translation>&amp;Chercher&#xa0;:</translation>
    </message>
    <message>
        <source>全字匹配(&amp;W)</source>
        <translation>&amp;Mots entiers</translation>
    </message>
    <message>
        <source>区分大小写(&amp;C)</source>
        <translation>Casse &amp;exacte</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>向上(&amp;U)</source>
        <translation>&amp;Haut</translation>
    </message>
    <message>
        <source>向下(&amp;D)</source>
        <translation>&amp;Bas</translation>
    </message>
    <message>
        <source>查找下一个(&amp;F)</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>velmora::TForm1</name>
    <message>
        <source>安全清理回收站</source>
        <translation>Nettoyer la corbeille en toute sécurité</translation>
    </message>
    <message>
        <source>回收站</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>分析</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>按日期：清除</source>
        <translation>Avant le</translation>
    </message>
    <message>
        <source>之前删除到回收站的文件</source>
        <translation>(date de suppression)</translation>
    </message>
    <message>
        <source>按天数：清除</source>
        <translation>Il y a</translation>
    </message>
    <message>
        <source>天之前删除到回收站中的文件</source>
        <translation>jours ou plus</translation>
    </message>
    <message>
        <source>关于&quot;%1&quot;</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>回收站中已删除文件、文件夹共：</source>
        <translation>Fichiers et dossiers dans la corbeille&#xa0;:</translation>
    </message>
    <message>
        <source>合计占用空间：</source>
        <translation>Espace occupé&#xa0;:</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Trouver</translation>
    </message>
    <message numerus="yes">
        <source>不可用的卷：%n个</source>
        <translation>
            <numerusform>%n volume indisponible</numerusform>
            <numerusform>%n volumes indisponibles</numerusform>
        </translation>
    </message>
    <message>
        <source>搜索结束！</source>
        <translation>Recherche terminée.</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmAbout</name>
    <message>
        <source>技术支持：</source>
        <translation>Support&#xa0;:</translation>
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
        <translation>Diagramme circulaire de l’espace occupé</translation>
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
        <translation> Espace occupé par les fichiers supprimés avant la date choisie</translation>
    </message>
    <message>
        <source> 其它时间删除文件占用空间</source>
        <translation> Espace occupé par les fichiers supprimés à d’autres dates</translation>
    </message>
</context>
<context>
    <name>velmora::TfrmProperties</name>
    <message>
        <source>%1 属性</source>
        <translation>Propriétés de %1</translation>
    </message>
    <message>
        <source>%1：</source>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
