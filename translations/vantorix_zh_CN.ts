<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>cli</name>
    <message>
        <source>cannot write to standard output</source>
        <translation>无法写入标准输出</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知命令 &apos;%1&apos;</translation>
    </message>
    <message>
        <source> (did you mean &apos;%1&apos;?)</source>
        <translation>（是不是想用 &apos;%1&apos;？）</translation>
    </message>
    <message>
        <source>help takes one command name</source>
        <translation>help 只接受一个命令名</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is missing an argument (%2)</source>
        <translation>&apos;%1&apos; 缺少参数（%2）</translation>
    </message>
    <message>
        <source>too many arguments for &apos;%1&apos; (%2)</source>
        <translation>&apos;%1&apos; 的参数过多（%2）</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>没有给出命令</translation>
    </message>
    <message>
        <source>: this command runs only asynchronously
</source>
        <translation>：此命令只能异步运行
</translation>
    </message>
    <message>
        <source>note: standard input is not UTF-8 but reads as GB18030, so it is read and written as GB18030 (--encoding utf-8 keeps UTF-8)</source>
        <translation>提示：标准输入不是 UTF-8，但可按 GB18030 读取，因此按 GB18030 读写（--encoding utf-8 保持 UTF-8）</translation>
    </message>
    <message>
        <source>warning: standard input is not valid UTF-8 (first bad byte at offset %1); bad bytes are kept and match as U+FFFD</source>
        <translation>警告：标准输入不是有效的 UTF-8（第一个错误字节位于偏移 %1）；错误字节原样保留，按 U+FFFD 匹配</translation>
    </message>
    <message>
        <source>layout: </source>
        <translation>页面版式：</translation>
    </message>
    <message>
        <source> for &apos;%1&apos;</source>
        <translation>（命令 &apos;%1&apos;）</translation>
    </message>
    <message>
        <source>ends the options: longer-than -- -1 (an option&apos;s own
value may be negative: mine --limit -5)</source>
        <translation>结束选项：longer-than -- -1
（选项自身的值可以为负：mine --limit -5）</translation>
    </message>
    <message>
        <source>
Keyword lists (dedupe, shuffle, contains, excludes, longer-than, export,
group): input is read from standard input, one keyword a line; a line ends
at LF or CRLF and a lone CR stays part of its keyword. Output is one keyword
a line, ending in LF. With --raw, standard input is the exact list text
(keywords separated by CRLF) and standard output is exactly the text the
window&apos;s list holds after the same tool. Text is UTF-8, or GBK with
--encoding gbk; bytes that are not UTF-8 pass through unchanged.
</source>
        <translation>
关键词列表（dedupe、shuffle、contains、excludes、longer-than、export、group）：
从标准输入读取，每行一个关键词；行以 LF 或 CRLF 结束，单独的 CR 属于关键词本身。
输出每行一个关键词，以 LF 结尾。使用 --raw 时，标准输入是列表的原始文本
（关键词以 CRLF 分隔），标准输出与窗口列表经同一工具处理后的文本完全相同。
文本为 UTF-8，或用 --encoding gbk 指定 GBK；不是 UTF-8 的字节原样保留。
</translation>
    </message>
    <message>
        <source>
Network options (environment variable in brackets):
</source>
        <translation>
网络选项（方括号内为对应的环境变量）：
</translation>
    </message>
    <message>
        <source>Usage: vantorix-cli [OPTIONS] COMMAND [ARGUMENTS]

Long-tail keyword tool for the command line: mining, hot-word lists and
the keyword list tools.

Commands:
</source>
        <translation>用法：vantorix-cli [选项] 命令 [参数]

命令行版长尾词工具：挖掘长尾词、获取热词榜、整理关键词列表。

命令：
</translation>
    </message>
    <message>
        <source>show help for a command</source>
        <translation>显示命令的帮助</translation>
    </message>
    <message>
        <source>
Options, before or after the command:
</source>
        <translation>
选项（可放在命令之前或之后）：
</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 failed, 2 usage error, 3 incomplete (mine: queries
failed or stayed blocked).
</source>
        <translation>
退出状态：0 完成，1 失败，2 用法错误，3 未完成（mine：有查询失败或一直被拦截）。
</translation>
    </message>
    <message>
        <source>Usage: vantorix-cli %1</source>
        <translation>用法：vantorix-cli %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>
Input and output: see &apos;vantorix-cli --help&apos; (keyword lists).
</source>
        <translation>
输入与输出：见 &apos;vantorix-cli --help&apos;（关键词列表）。
</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
选项：
</translation>
    </message>
    <message>
        <source>
Global options:
</source>
        <translation>
全局选项：
</translation>
    </message>
    <message>
        <source>
Examples:
</source>
        <translation>
示例：
</translation>
    </message>
    <message>
        <source>Usage: vantorix-cli help [COMMAND]

Shows the help of COMMAND, or the general help without one.

Examples:
  vantorix-cli help mine
  vantorix-cli help
</source>
        <translation>用法：vantorix-cli help [命令]

显示该命令的帮助；不给命令时显示总帮助。

示例：
  vantorix-cli help mine
  vantorix-cli help
</translation>
    </message>
    <message>
        <source>cannot read standard input: </source>
        <translation>无法读取标准输入：</translation>
    </message>
    <message>
        <source>standard input is not valid GBK text</source>
        <translation>标准输入不是有效的 GBK 文本</translation>
    </message>
    <message>
        <source>; see &apos;%1 --help&apos;</source>
        <translation>；参见 &apos;%1 --help&apos;</translation>
    </message>
</context>
<context>
    <name>contains</name>
    <message>
        <source>keep the keywords that contain TEXT</source>
        <translation>保留包含 TEXT 的关键词</translation>
    </message>
    <message>
        <source>Keeps the keywords that contain TEXT</source>
        <translation>保留包含 TEXT 的关键词</translation>
    </message>
    <message>
        <source>Keeps the keywords that do not contain TEXT (empty lines included)</source>
        <translation>保留不包含 TEXT 的关键词（包括空行）</translation>
    </message>
    <message>
        <source>, in their order and unchanged.
TEXT is trimmed of spaces and letter case is ignored; when nothing is
left of it the keywords are written back unchanged.
</source>
        <translation>，顺序和内容都不变。
TEXT 会去掉首尾空格，不区分大小写；去掉空格后为空时，关键词原样输出。
</translation>
    </message>
</context>
<context>
    <name>dedupe</name>
    <message>
        <source>remove repeated and blank keywords</source>
        <translation>去除重复和空白的关键词</translation>
    </message>
    <message>
        <source>Keeps the first copy of every keyword where it first stood. Keywords
are compared exactly: letter case and spaces count. Empty lines and
lines of spaces only are dropped. With --raw the result starts with
an empty line (a leading CRLF), as the window&apos;s list does.
</source>
        <translation>每个关键词只保留第一次出现的那一个，位置不变。关键词按原样比较：
大小写和空格都算不同。空行和只有空格的行会被去掉。使用 --raw 时，
结果以一个空行（开头的 CRLF）开始，与窗口列表一致。
</translation>
    </message>
</context>
<context>
    <name>excludes</name>
    <message>
        <source>drop the keywords that contain TEXT</source>
        <translation>去掉包含 TEXT 的关键词</translation>
    </message>
</context>
<context>
    <name>export</name>
    <message>
        <source>join the keywords, or write them as an xlsx or csv FILE</source>
        <translation>用分隔符连接关键词，或导出为 xlsx、csv 文件</translation>
    </message>
    <message>
        <source>FILE goes with xlsx and csv only.

Writes every keyword followed by the separator: &apos;,&apos; for comma, &apos;|&apos; for
bar, a line break for newline. Keywords are not trimmed, de-duplicated
or otherwise changed; an empty line becomes two separators in a row.
Without --raw a comma or bar export is one line, ending in LF. With
--raw every CRLF of the list text is replaced by the separator, a
lone CR or LF stays, and nothing is added (newline keeps CRLF).

xlsx and csv write the keywords to FILE instead, one a row under the
title 关键词, empty lines left out. The Excel workbook has a frozen
title row with a filter and columns as wide as the text; each keyword
is a text cell, never a formula. The CSV file is UTF-8 with a byte
order mark, quoted as RFC 4180 asks; a keyword that begins with = + -
@ &apos;, a tab or a carriage return gets one leading &apos; so that a
spreadsheet shows it as text (drop it to read the keyword back). A
cell holds at most 32767 characters: a longer keyword is cut, and a
warning names its row. FILE is checked before the input is read, and
replaced only once it is complete.
</source>
        <translation>FILE 只用于 xlsx 和 csv。

每个关键词后面跟一个分隔符：comma 为 &apos;,&apos;，bar 为 &apos;|&apos;，newline 为换行。
关键词不去空格、不去重，也不做其他改动；空行变成两个相连的分隔符。
不用 --raw 时，comma 或 bar 导出为一行，以 LF 结尾。使用 --raw 时，
列表文本中的每个 CRLF 换成分隔符，单独的 CR 或 LF 保留，不另加内容
（newline 保留 CRLF）。

xlsx 和 csv 则把关键词写入 FILE，标题为“关键词”，每行一个，空行不写。
Excel 工作簿的标题行已冻结并带筛选，列宽与文字相当；每个关键词都是
文本单元格，不会成为公式。CSV 文件为带 BOM 的 UTF-8，按 RFC 4180 加引号；
以 = + - @ &apos;、制表符或回车开头的关键词前面加一个 &apos;，让表格软件把它当作
文本显示（读回时去掉即可）。一个单元格最多 32767 个字符：更长的关键词
会被截断，并有警告指出所在行。读取输入之前先检查 FILE，写完整后才替换它。
</translation>
    </message>
    <message>
        <source>export needs comma, bar, newline, xlsx or csv, not &apos;%1&apos;</source>
        <translation>export 需要 comma、bar、newline、xlsx 或 csv，而不是 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>export %1 writes to standard output and takes no file</source>
        <translation>export %1 写到标准输出，不接受文件</translation>
    </message>
    <message>
        <source>export %1 needs the FILE to write</source>
        <translation>export %1 需要指定要写入的文件 FILE</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>警告：</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>not a regular file (a pipe or a device is not read)</source>
        <translation>不是普通文件（不读取管道或设备）</translation>
    </message>
    <message>
        <source>larger than %1, the most read</source>
        <translation>大于 %1，超过可读取的上限</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>无法写入</translation>
    </message>
    <message>
        <source>there is no folder %1</source>
        <translation>文件夹 %1 不存在</translation>
    </message>
</context>
<context>
    <name>group</name>
    <message>
        <source>group the keywords by their root word (词根)</source>
        <translation>按词根给关键词分组</translation>
    </message>
    <message>
        <source>Cuts each keyword into words (Unicode word rules, with a dictionary for
Chinese: 减肥茶 is 减肥 + 茶, iphone15价格 is iphone15 + 价格). A root is a word
of two or more characters found in at least --min-size keywords and in
no more than half of them (the seed a mined list shares sorts nothing).
Each keyword joins the root it contains that is found in the most
keywords; a tie goes to the longer root, then to the root met first in
the input. A root left with fewer than --min-size keywords gives them up
to their next root. Words compare ignoring letter case. Keywords without
a root make the group 其他, always last; the other groups come largest
first, and the keywords of a group keep their input order. Empty lines
are left out. Output: --format lines (default) gives a group&apos;s name on a
line, then its keywords, an empty line between groups; tsv a line &quot;group
TAB keyword&quot; a keyword (backslash, tab, CR and LF escaped); json one
object {&quot;group&quot;: ..., &quot;keywords&quot;: [...]} a line. With --raw, standard
input is the list text and standard output is the list reordered group
by group, as the window&apos;s 按词根分组 leaves it.</source>
        <translation>把每个关键词切分成词（按 Unicode 分词规则，中文借助词典：减肥茶 为 减肥 + 茶，
iphone15价格 为 iphone15 + 价格）。词根是至少出现在 --min-size 个关键词中、
两个字符以上的词，且出现在不超过一半的关键词中（挖掘结果共有的种子词不算词根）。
每个关键词归入它所含词根中出现次数最多的那个；次数相同时取较长的词根，再相同
取输入中先出现的。分到的关键词少于 --min-size 个的词根会被放弃，其关键词改归
各自的下一个词根。比较词时不区分大小写。没有词根的关键词
归入“其他”组，总在最后；其余各组按大小从大到小排列，组内关键词保持输入顺序。
空行不计。输出：--format lines（默认）先一行写组名，再写该组关键词，组与组
之间空一行；tsv 每个关键词一行 &quot;组名 TAB 关键词&quot;（反斜杠、制表符、CR、LF
会转义）；json 每行一个对象 {&quot;group&quot;: ..., &quot;keywords&quot;: [...]}。使用 --raw 时，
标准输入是列表文本，标准输出是按组重新排列的列表，与窗口“按词根分组”的结果相同。</translation>
    </message>
</context>
<context>
    <name>hotwords</name>
    <message>
        <source>cannot fetch the hot-word page: </source>
        <translation>无法获取热词页面：</translation>
    </message>
    <message>
        <source>print the words of a hot-word ranking page</source>
        <translation>输出热词排行榜页面上的词</translation>
    </message>
    <message>
        <source>SOURCE is one of:
</source>
        <translation>SOURCE 为以下之一：
</translation>
    </message>
    <message>
        <source>Fetches the page and prints its words one a line, in page order and
lower-cased, repeats kept; --raw prints the exact text the window appends
to its list (each word followed by CRLF). --dump-file PATH also writes
the words, and one more CRLF, to PATH as GBK, as the window&apos;s dump file:
a regular file is replaced, a device or a pipe written into; PATH&apos;s
folder must exist. In the live layout only baidu-today and sogou-today
have a list.
Exit status: 0 when the page was fetched (even without words), 1 when it
could not be fetched, the layout has no such list or the dump file was
not written, 2 on a usage error.</source>
        <translation>获取页面，按页面顺序每行输出一个词，转为小写，重复的词保留；--raw 输出窗口追加到
列表中的原样文本（每个词后跟 CRLF）。--dump-file PATH 还会把这些词连同末尾
一个 CRLF 以 GBK 写入 PATH，与窗口的转存文件相同：普通文件会被替换，设备或管道
则直接写入；PATH 所在的文件夹必须存在。live 版式下只有 baidu-today 和
sogou-today 有榜单。
退出状态：0 页面已获取（即使没有词），1 无法获取页面、该版式没有此榜单或转存
文件未写入，2 用法错误。</translation>
    </message>
    <message>
        <source>unknown source &apos;%1&apos;; choose one of: %2</source>
        <translation>未知来源 &apos;%1&apos;；请从以下选择：%2</translation>
    </message>
    <message>
        <source>today&apos;s engines publish no %1 list, so the %2 layout has none; --layout classic reads it from a site that serves the classic pages</source>
        <translation>如今的搜索引擎已不发布 %1 榜单，所以 %2 版式没有它；--layout classic 可从提供经典页面的网站读取</translation>
    </message>
</context>
<context>
    <name>list</name>
    <message>
        <source>GBK encoding is not available</source>
        <translation>GBK 编码不可用</translation>
    </message>
    <message>
        <source>no word break rules for Chinese: %1</source>
        <translation>没有中文分词规则：%1</translation>
    </message>
</context>
<context>
    <name>longer-than</name>
    <message>
        <source>keep the keywords longer than N characters</source>
        <translation>保留长度超过 N 个字符的关键词</translation>
    </message>
    <message>
        <source>Keeps the keywords whose length is greater than N. A Chinese character
counts as one; a character outside the Basic Multilingual Plane counts
as two. N is a decimal number, rounded down (2.9 is 2, -0.5 is -1);
a negative N keeps every line, empty ones included. Put &apos;--&apos; before a
negative number: vantorix-cli longer-than -- -1
</source>
        <translation>保留长度大于 N 的关键词。一个汉字算一个字符；基本多文种平面以外的字符算两个。
N 为十进制数，向下取整（2.9 为 2，-0.5 为 -1）；N 为负数时保留所有行，包括空行。
负数前要加 &apos;--&apos;：vantorix-cli longer-than -- -1
</translation>
    </message>
</context>
<context>
    <name>mine</name>
    <message>
        <source>&apos;%1&apos; is not START--END</source>
        <translation>&apos;%1&apos; 不是 START--END 的形式</translation>
    </message>
    <message>
        <source>mine long-tail keywords from a seed keyword</source>
        <translation>从种子关键词挖掘长尾词</translation>
    </message>
    <message>
        <source>--output %1 holds %2 bytes, fewer than the %3 the run wrote there; it was changed since</source>
        <translation>--output %1 只有 %2 字节，少于本次挖掘写入的 %3 字节；文件在此期间被改动过</translation>
    </message>
    <message>
        <source>%1 keywords  queried: %2 s%3  querying: %4</source>
        <translation>%1 个  已查询：%2 秒%3  正在查询：%4</translation>
    </message>
    <message>
        <source>--seen %1: %2</source>
        <translation>--seen %1：%2</translation>
    </message>
    <message>
        <source>--state %1 is in use by another run (process %2 on %3); one run at a time per state file</source>
        <translation>--state %1 正被另一次挖掘使用（%3 上的进程 %2）；每个状态文件同时只能用于一次挖掘</translation>
    </message>
    <message>
        <source>--state %1: cannot create files in its folder (%2.lock)</source>
        <translation>--state %1：无法在其所在文件夹中创建文件（%2.lock）</translation>
    </message>
    <message>
        <source>--state %1 holds a run with %2 %3; this run has %2 %4</source>
        <translation>--state %1 中记录的挖掘 %2 为 %3；本次为 %2 %4</translation>
    </message>
    <message>
        <source>--state %1: %2</source>
        <translation>--state %1：%2</translation>
    </message>
    <message>
        <source>stopping after the query in flight (Ctrl-C again to abort)</source>
        <translation>当前查询完成后停止（再按一次 Ctrl-C 立即中止）</translation>
    </message>
    <message>
        <source>the seed is empty, so the first query asks for the empty keyword</source>
        <translation>种子词为空，第一次查询将查询空关键词</translation>
    </message>
    <message>
        <source>marker page: </source>
        <translation>标记页：</translation>
    </message>
    <message>
        <source>; using the built-in markers</source>
        <translation>；改用内置标记</translation>
    </message>
    <message>
        <source>proxy %1 (%2) keeps failing; resting %3 s</source>
        <translation>代理 %1（%2）连续失败；暂停 %3 秒</translation>
    </message>
    <message>
        <source>the %1 layout cuts the seed page as every other; --markers is not used</source>
        <translation>%1 版式对种子页与其他页面的切分方式相同；不使用 --markers</translation>
    </message>
    <message>
        <source>resuming after query %1, %2 found so far</source>
        <translation>从第 %1 个查询之后继续，目前已找到 %2</translation>
    </message>
    <message>
        <source>keyword</source>
        <translation>个关键词</translation>
    </message>
    <message>
        <source>keywords</source>
        <translation>个关键词</translation>
    </message>
    <message>
        <source>query %1 failed: %2</source>
        <translation>查询 %1 失败：%2</translation>
    </message>
    <message>
        <source>the page of %1 holds bytes that are invalid in its charset; they were read as stand-in characters</source>
        <translation>%1 的页面含有其字符集中无效的字节；已按替代字符读取</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>警告：</translation>
    </message>
    <message>
        <source>%1 result pages held invalid bytes</source>
        <translation>%1 个结果页含有无效字节</translation>
    </message>
    <message>
        <source>no related-searches block found on </source>
        <translation>未找到相关搜索区块：</translation>
    </message>
    <message>
        <source>page</source>
        <translation>个页面</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>个页面</translation>
    </message>
    <message>
        <source>%1 could not be read (empty, not JSON or cut off), the first for %2</source>
        <translation>%1 无法读取（为空、不是 JSON 或不完整），第一个是 %2 的</translation>
    </message>
    <message>
        <source>suggestion answer</source>
        <translation>个下拉词应答</translation>
    </message>
    <message>
        <source>suggestion answers</source>
        <translation>个下拉词应答</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>无法写入标准输出</translation>
    </message>
    <message>
        <source>cannot save the run in %1: %2</source>
        <translation>无法把挖掘进度保存到 %1：%2</translation>
    </message>
    <message>
        <source>every proxy failed, each resting longer than the time-out: </source>
        <translation>所有代理都失败了，且暂停时间都超过超时时间：</translation>
    </message>
    <message>
        <source>seed page: </source>
        <translation>种子页：</translation>
    </message>
    <message>
        <source>the seed query stayed blocked (%1); try again later, more slowly or through --proxies</source>
        <translation>种子词的查询一直被拦截（%1）；请稍后重试、放慢速度或使用 --proxies</translation>
    </message>
    <message>
        <source>stopped: too many failed queries in a row (--max-failures %1)</source>
        <translation>已停止：连续失败的查询过多（--max-failures %1）</translation>
    </message>
    <message>
        <source>query</source>
        <translation>个查询</translation>
    </message>
    <message>
        <source>queries</source>
        <translation>个查询</translation>
    </message>
    <message>
        <source> stayed blocked</source>
        <translation>一直被拦截</translation>
    </message>
    <message>
        <source> failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>--format %1 needs --output FILE</source>
        <translation>--format %1 需要 --output FILE</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>proxy </source>
        <translation>代理 </translation>
    </message>
    <message>
        <source>query %1 blocked (%2)</source>
        <translation>查询 %1 被拦截（%2）</translation>
    </message>
    <message>
        <source>query %1 blocked on %2 (%3)</source>
        <translation>查询 %1 在 %2 被拦截（%3）</translation>
    </message>
    <message>
        <source>%1 found first</source>
        <translation>首先找到 %1</translation>
    </message>
    <message>
        <source> through </source>
        <translation>，经由</translation>
    </message>
    <message>
        <source>; no tries left</source>
        <translation>；已无重试次数</translation>
    </message>
    <message>
        <source>; trying again at once</source>
        <translation>；立即重试</translation>
    </message>
    <message>
        <source>; trying again in %1 s</source>
        <translation>；%1 秒后重试</translation>
    </message>
    <message>
        <source>summary: %1 (%2): %3 blocked and retried, %4 stayed blocked, %5 failed; %6</source>
        <translation>汇总：%1（%2）：%3 个被拦截后重试，%4 个一直被拦截，%5 个失败；%6</translation>
    </message>
    <message>
        <source>request</source>
        <translation>个请求</translation>
    </message>
    <message>
        <source>requests</source>
        <translation>个请求</translation>
    </message>
    <message>
        <source>; pace %1</source>
        <translation>；速度 %1</translation>
    </message>
    <message>
        <source>; %1 on average</source>
        <translation>；平均 %1</translation>
    </message>
    <message>
        <source>block</source>
        <translation>次拦截</translation>
    </message>
    <message>
        <source>blocks</source>
        <translation>次拦截</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>次失败</translation>
    </message>
    <message>
        <source>failures</source>
        <translation>次失败</translation>
    </message>
    <message>
        <source>, rested </source>
        <translation>，暂停 </translation>
    </message>
    <message>
        <source>time</source>
        <translation>次</translation>
    </message>
    <message>
        <source>times</source>
        <translation>次</translation>
    </message>
    <message>
        <source>, pace </source>
        <translation>，速度 </translation>
    </message>
    <message>
        <source>--seen: %1 loaded, not to be listed again</source>
        <translation>--seen：已载入 %1，不再重复收录</translation>
    </message>
    <message>
        <source>the run saved in %1 was already complete (%2); nothing is left to query</source>
        <translation>%1 中保存的挖掘已经完成（%2）；没有需要查询的了</translation>
    </message>
    <message>
        <source>nothing new: every keyword on the seed&apos;s page was already in --seen</source>
        <translation>没有新词：种子词页面上的关键词都已在 --seen 中</translation>
    </message>
    <message>
        <source>Queries web search for SEED (default 减肥), takes the related searches of the
result page, and queries each new keyword in turn, generation after
generation, until nothing new turns up, the limit is reached or Ctrl-C is
pressed (the query in flight finishes, the results are printed; a second
Ctrl-C aborts with status 130). On Unix, SIGTERM and SIGHUP stop a run as
Ctrl-C does. Each accepted keyword is printed on its own line as it is
found; a line break inside a keyword is printed as a space (tsv and json
escape it, --raw keeps it). Progress goes to standard error, and so does
each query that failed, with its cause; the run then ends with &quot;N queries
failed&quot;. The first failed write to standard output ends the run.
The seed page is cut with the markers of the publisher&apos;s marker page, or
with --markers; without a usable pair the built-in markers are used.
--concurrency N fetches up to N queries ahead; the output is the same.
A captcha or verification page in place of a result page is a block:
each is reported, the query is tried again after a back-off (--retries),
and a query that stays blocked harvests nothing. The run ends with a
summary: queries, blocks, failures, keywords, the pace and, with
--proxies, each proxy&apos;s counts (--quiet leaves it out).

--engine sogou|so360 reads Sogou&apos;s or 360&apos;s result pages instead of
Baidu&apos;s (hosts: --sogou-search-host, --so360-search-host); suggestions
are read from Baidu only. Several engines (--engine baidu,sogou or all)
are mined in one run: each keyword is asked of each engine in the order
given, each engine with its own pace, back-off and cookies; a keyword
two engines list is found once, on the engine asked first. The output
is in that order at any --concurrency; tsv and json add the engine, and
the summary has a line for each engine.
Sources: --source related (the default) reads each keyword&apos;s related
searches; suggest reads the search box&apos;s suggestions (下拉词,
/sugrec?prod=pc&amp;wd=); both reads the related searches, then the
suggestions of each keyword. Each is one query. --expand az|questions|both
also queries variants of the seed and of each first-generation keyword:
the keyword, a space and each letter a-z, and the keyword with each of
怎么 如何 什么 哪里 多少 为什么 before it, then after it. A variant is
queried right after its keyword, with the same sources, and what it finds
joins its keyword&apos;s harvest (the same generation); the variant itself is
not a keyword unless a page lists it. In tsv and json the parent is the
query that found the keyword and the source is related or suggest.
--max-queries N ends the run before query N+1 (every source and variant
query counts; retries do not).

Resuming: --state FILE records the run after every query. Run the same
command again and it goes on where it stopped, asking again the queries
that failed or stayed blocked, and ends as a run never interrupted would
have. With --output OUT the keywords go into OUT, and a resumed run cuts
OUT back to what was recorded: OUT ends as an uninterrupted run writes
it. On standard output a killed run may print a query&apos;s keywords again
when resumed, but never loses one; use --output for long runs. One run
at a time per FILE (FILE.lock; a lock left by a killed run is taken
over). A FILE saved with another seed, --source, --expand, --limit,
--longer-than, --contains, --max-queries, --max-failures, --layout,
--seen, --format, --raw, --output or --encoding, or a damaged one, is a
usage error; with --format xlsx|csv it is too. --seen FILE (one
keyword a line, in --encoding) counts those keywords as found before:
they are neither accepted nor queried. A stop signal ends a pace wait,
back-off or proxy rest at once.
Exit status: 0 when the run ends, 1 when the seed page could not be
fetched, the output could not be written, or the --state file is in use
or cannot be written, 2 on a usage error, 3 when the run is incomplete
because queries failed or stayed blocked, or every proxy kept failing
(the output still holds every keyword that was reached).</source>
        <translation>用 SEED（默认 减肥）查询网页搜索，取结果页中的相关搜索，再依次查询每个新关键词，
一层接一层，直到没有新词、达到上限或按下 Ctrl-C（当前查询完成，输出结果；
再按一次 Ctrl-C 以状态 130 中止）。在 Unix 上，SIGTERM 和 SIGHUP 与 Ctrl-C
一样停止挖掘。每个收录的关键词一找到就单独输出一行；关键词中的换行输出为空格
（tsv 和 json 会转义，--raw 保留）。进度输出到标准错误，每个失败的查询及其
原因也输出到标准错误；挖掘结束时会显示 &quot;N 个查询失败&quot;。向标准输出写入第一次
失败时挖掘结束。
种子页按发布站标记页中的标记切分，或按 --markers 切分；没有可用的标记对时使用
内置标记。--concurrency N 最多提前获取 N 个查询；输出不变。
结果页换成了验证码或安全验证页面即为被拦截：每次都会报告，该查询在延后一段
时间后重试（--retries），一直被拦截的查询没有收获。挖掘结束时输出汇总：查询、
拦截、失败、关键词数、速度，使用 --proxies 时还有每个代理的统计（--quiet 不输出）。

--engine sogou|so360 改为读取搜狗或 360 的结果页（主机：--sogou-search-host、
--so360-search-host）；下拉词只从百度读取。一次运行可挖掘多个搜索引擎
（--engine baidu,sogou 或 all）：每个关键词按给出的顺序依次查询各引擎，
每个引擎有自己的节奏、退避和 cookie；两个引擎都列出的关键词只算一次，
归于先查询的引擎。任何 --concurrency 下输出顺序都相同；tsv 和 json 会加上
引擎，摘要为每个引擎各列一行。
来源：--source related（默认）读取每个关键词的相关搜索；suggest 读取搜索框的
下拉词（/sugrec?prod=pc&amp;wd=）；both 先读相关搜索，再读每个关键词的下拉词。
每次读取算一个查询。--expand az|questions|both 还会查询种子词和每个第一层
关键词的变体：关键词加一个空格再加 a-z 中的每个字母，以及在关键词前、后各加上
怎么 如何 什么 哪里 多少 为什么。变体紧接在其关键词之后查询，来源相同，找到的词
并入其关键词的收获（同一层级）；变体本身只有在页面列出时才算关键词。tsv 和 json
中，来源词是找到该关键词的查询，来源为 related 或 suggest。
--max-queries N 在第 N+1 个查询之前结束挖掘（每个来源和变体查询都计数；重试不计）。

继续挖掘：--state FILE 在每次查询后记录进度。再次运行同一命令即从停下的地方
继续，重新查询失败或一直被拦截的查询，结果与从未中断的挖掘相同。使用
--output OUT 时关键词写入 OUT，继续挖掘时会把 OUT 截回到记录时的内容：OUT 的
最终内容与不中断的挖掘相同。写到标准输出时，被强行结束的挖掘继续后可能再次输出
某个查询的关键词，但不会丢失；长时间挖掘请用 --output。每个 FILE 同时只能用于
一次挖掘（FILE.lock；被强行结束的挖掘留下的锁会被接管）。FILE 若以不同的种子词、
--source、--expand、--limit、--longer-than、--contains、--max-queries、
--max-failures、--layout、--seen、--format、--raw、--output 或 --encoding
保存，或已损坏，则为用法错误；与 --format xlsx|csv 同用也是。--seen FILE（每行
一个关键词，按 --encoding 编码）中的关键词视为已经找到：既不收录也不查询。
停止信号会立即结束限速等待、延后重试或代理暂停。
退出状态：0 挖掘结束，1 无法获取种子页、无法写入输出，或 --state 文件正被使用
或无法写入，2 用法错误，3 挖掘未完成：有查询失败或一直被拦截，或所有代理
都一直失败（输出中仍有已找到的全部关键词）。</translation>
    </message>
    <message>
        <source>--source %1: no search-box suggestions are read from %2</source>
        <translation>--source %1：不从 %2 读取搜索框下拉词</translation>
    </message>
</context>
<context>
    <name>mining</name>
    <message>
        <source>captcha redirect to </source>
        <translation>验证码跳转到 </translation>
    </message>
    <message>
        <source>verification page</source>
        <translation>安全验证页面</translation>
    </message>
    <message>
        <source> through proxy %1 (%2)</source>
        <translation>（经由代理 %1：%2）</translation>
    </message>
    <message>
        <source>a run is in progress</source>
        <translation>正在挖掘中</translation>
    </message>
    <message>
        <source>the position does not fit the run&apos;s settings</source>
        <translation>进度位置与本次挖掘的设置不符</translation>
    </message>
    <message>
        <source>record %1 is damaged</source>
        <translation>第 %1 条记录已损坏</translation>
    </message>
    <message>
        <source>record %1 does not follow the one before</source>
        <translation>第 %1 条记录与前一条接不上</translation>
    </message>
    <message>
        <source>the output does not hold the keywords of record %1</source>
        <translation>输出文件中没有第 %1 条记录的关键词</translation>
    </message>
    <message>
        <source>a damaged mining state file: </source>
        <translation>挖掘进度文件已损坏：</translation>
    </message>
    <message>
        <source>not a mining state file, or a damaged one (%1 at byte %2)</source>
        <translation>不是挖掘进度文件，或文件已损坏（第 %2 字节处：%1）</translation>
    </message>
    <message>
        <source>not a mining state file of this version</source>
        <translation>不是此版本的挖掘进度文件</translation>
    </message>
    <message>
        <source>the output does not hold the seen-list</source>
        <translation>输出文件中没有已见关键词列表</translation>
    </message>
    <message>
        <source>a damaged mining state file: a place outside the seen-list</source>
        <translation>挖掘进度文件已损坏：位置超出已见关键词列表</translation>
    </message>
</context>
<context>
    <name>options</name>
    <message>
        <source>read and write the exact list text: keywords
separated by CRLF, written back exactly as the
window&apos;s list would hold them</source>
        <translation>按列表原始文本读写：关键词以 CRLF 分隔，
写回的文本与窗口列表中的完全一致</translation>
    </message>
    <message>
        <source>encoding of standard input and output (utf-8;
input that is not UTF-8 but GB18030 is read as GB18030)</source>
        <translation>标准输入和输出的编码（默认 utf-8；
不是 UTF-8 而是 GB18030 的输入按 GB18030 读取）</translation>
    </message>
    <message>
        <source>a root is found in at least N keywords (default 3)</source>
        <translation>词根至少出现在 N 个关键词中（默认 3）</translation>
    </message>
    <message>
        <source>how the groups are written (default lines)</source>
        <translation>分组的输出格式（默认 lines）</translation>
    </message>
    <message>
        <source>nothing on standard error but errors</source>
        <translation>标准错误只输出错误信息</translation>
    </message>
    <message>
        <source>stop querying once N keywords were found (default 1000)</source>
        <translation>找到 N 个关键词后停止查询（默认 1000）</translation>
    </message>
    <message>
        <source>accept only keywords longer than N characters (default 0)</source>
        <translation>只收录长度超过 N 个字符的关键词（默认 0）</translation>
    </message>
    <message>
        <source>accept only keywords containing TEXT, ignoring case</source>
        <translation>只收录包含 TEXT 的关键词，不区分大小写</translation>
    </message>
    <message>
        <source>markers of the seed page&apos;s block instead of the marker page&apos;s</source>
        <translation>种子页区块的标记，代替标记页中的标记</translation>
    </message>
    <message>
        <source>related searches, search-box suggestions, or both (default related)</source>
        <translation>相关搜索、搜索框下拉词，或两者（默认 related）</translation>
    </message>
    <message>
        <source>also query a-z and question variants of the seed and generation 1</source>
        <translation>另外查询种子词和第一层关键词的 a-z 及疑问词变体</translation>
    </message>
    <message>
        <source>make at most N queries (default 0: no cap)</source>
        <translation>最多查询 N 次（默认 0：不限）</translation>
    </message>
    <message>
        <source>record the run in FILE after every query; resume from it (1 GB max)</source>
        <translation>每次查询后把进度记录到 FILE，并从中继续（最大 1 GB）</translation>
    </message>
    <message>
        <source>keywords found before, one a line, not accepted again (1 GB max)</source>
        <translation>以前找到的关键词，每行一个，不再收录（最大 1 GB）</translation>
    </message>
    <message>
        <source>lines: the keyword; tsv/json: keyword, generation, parent, source</source>
        <translation>lines：只有关键词；tsv/json：关键词、层级、来源词、来源</translation>
    </message>
    <message>
        <source>write the keywords into FILE (xlsx/csv: with the root group, at the end)</source>
        <translation>把关键词写入 FILE（xlsx/csv：在结束时写入，附词根分组）</translation>
    </message>
    <message>
        <source>end the run after K failed queries in a row (default 20; 0: never)</source>
        <translation>连续 K 个查询失败后结束挖掘（默认 20；0：从不）</translation>
    </message>
    <message>
        <source>no progress on standard error</source>
        <translation>不在标准错误输出进度</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be name[:port], optionally after http:// or https://, without a path</source>
        <translation>&apos;%1&apos; 必须是 主机名[:端口]，前面可加 http:// 或 https://，不能带路径</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no port from 1 to 65535 after its last &apos;:&apos;</source>
        <translation>&apos;%1&apos; 最后一个 &apos;:&apos; 之后没有 1 到 65535 之间的端口</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no usable host name or [IPv6] address</source>
        <translation>&apos;%1&apos; 没有可用的主机名或 [IPv6] 地址</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no http://HOST:PORT or socks5://HOST:PORT proxy</source>
        <translation>&apos;%1&apos; 不是 http://主机:端口 或 socks5://主机:端口 形式的代理</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>; put &apos;--&apos; before a negative number</source>
        <translation>；负数前请加 &apos;--&apos;</translation>
    </message>
    <message>
        <source> (did you mean --%1?)</source>
        <translation>（是不是想用 --%1？）</translation>
    </message>
    <message>
        <source>--%1 has no value before &apos;--&apos;; give a negative value as --%1=-5</source>
        <translation>--%1 在 &apos;--&apos; 之前没有值；负数请写成 --%1=-5</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number from %2 to %3</source>
        <translation>&apos;%1&apos; 不是 %2 到 %3 之间的整数</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number from %2 to %3</source>
        <translation>&apos;%1&apos; 不是 %2 到 %3 之间的数</translation>
    </message>
    <message>
        <source> or </source>
        <translation> 或 </translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not %2</source>
        <translation>&apos;%1&apos; 不是 %2</translation>
    </message>
    <message>
        <source>--%1 and --%2 exclude each other</source>
        <translation>--%1 和 --%2 不能同时使用</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>显示本帮助</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>显示版本</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>无法读取 &apos;%1&apos;：%2</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 第 %2 行：%3</translation>
    </message>
    <message>
        <source>no proxy in &apos;%1&apos;</source>
        <translation>&apos;%1&apos; 中没有代理</translation>
    </message>
    <message>
        <source>web search host</source>
        <translation>网页搜索主机</translation>
    </message>
    <message>
        <source>Baidu hot-list host</source>
        <translation>百度热榜主机</translation>
    </message>
    <message>
        <source>Sogou hot-list host</source>
        <translation>搜狗热榜主机</translation>
    </message>
    <message>
        <source>Sogou web search host</source>
        <translation>搜狗网页搜索主机</translation>
    </message>
    <message>
        <source>publisher site host</source>
        <translation>发布站主机</translation>
    </message>
    <message>
        <source>serve every page from an embedded web on 127.0.0.1</source>
        <translation>所有页面由 127.0.0.1 上内置的模拟网站提供</translation>
    </message>
    <message>
        <source>pages to read: live (today&apos;s Baidu and Sogou) or
classic; auto: live for the real public hosts,
classic for any other (the sandbox included)</source>
        <translation>读取的页面版式：live（如今的百度和搜狗）或
classic；auto：真实的公共主机用 live，
其他主机（包括沙盒）用 classic</translation>
    </message>
    <message>
        <source>page fetch time-out in seconds (60)</source>
        <translation>获取页面的超时秒数（60）</translation>
    </message>
    <message>
        <source>http:// or socks5:// proxy (default: the system&apos;s)</source>
        <translation>http:// 或 socks5:// 代理（默认用系统代理）</translation>
    </message>
    <message>
        <source>mining queries in flight (1, or one per proxy);
more than 6 on one route gains nothing: Qt
opens at most 6 connections a host</source>
        <translation>同时进行的挖掘查询数（1，或每个代理一个）；
同一线路超过 6 个没有好处：Qt 对每个主机
最多打开 6 个连接</translation>
    </message>
    <message>
        <source>try a mining query that failed or met a block N
more times, backing off (live layout 3; classic
layout and --sandbox 0)</source>
        <translation>失败或被拦截的挖掘查询再重试 N 次，逐次延后
（live 版式 3；classic 版式和 --sandbox 为 0）</translation>
    </message>
    <message>
        <source>fixed pace: at least MS milliseconds between two
mining queries on one route; turns --pace auto
off (0: as fast as the replies come; the classic
layout&apos;s default)</source>
        <translation>固定速度：同一线路上两次挖掘查询至少间隔 MS
毫秒；会关闭 --pace auto（0：有应答就继续；
classic 版式的默认值）</translation>
    </message>
    <message>
        <source>learn the pace: start slow, speed up while the
answers are clean, halve the rate at each block
(the live layout&apos;s default, --sandbox aside)</source>
        <translation>自动调速：先慢后快，应答正常时加速，
每次被拦截速度减半
（live 版式的默认值，--sandbox 除外）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not auto (a fixed pace is --delay MS)</source>
        <translation>&apos;%1&apos; 不是 auto（固定速度请用 --delay MS）</translation>
    </message>
    <message>
        <source>queries per second one route never exceeds under
--pace auto (2; from 0.01 to 1000)</source>
        <translation>--pace auto 下每条线路每秒查询数的上限
（2；0.01 到 1000）</translation>
    </message>
    <message>
        <source>send mining queries round-robin through the
http:// or socks5:// proxies in FILE, one a line
(64 MB max)</source>
        <translation>挖掘查询轮流经由 FILE 中的 http:// 或
socks5:// 代理发出，每行一个（最大 64 MB）</translation>
    </message>
    <message>
        <source>where hot-word fetches write their words</source>
        <translation>获取热词时转存热词的文件</translation>
    </message>
    <message>
        <source>port to listen on (0: any free port; default 0)</source>
        <translation>监听的端口（0：任一空闲端口；默认 0）</translation>
    </message>
    <message>
        <source>seed of the keyword graph, the hot lists and the
faults (1)</source>
        <translation>关键词图、热榜和故障的随机种子（1）</translation>
    </message>
    <message>
        <source>words per slot of the keyword graph, 1-30 (7)</source>
        <translation>关键词图每个槽位的词数，1-30（7）</translation>
    </message>
    <message>
        <source>most slot words in one keyword, 0-5 (3); keywords
per core: sum over l&lt;=depth of C(5,l)*fanout^l,
nearly all found by a run from one keyword: 7/3
about 4,000, 12/3 about 18,800, 9/5 about 100,000</source>
        <translation>一个关键词中槽位词的最大个数，0-5（3）；
每个核心词的关键词数：对 l&lt;=depth 求
C(5,l)*fanout^l 之和，从一个关键词挖掘几乎
能全部找到：7/3 约 4,000，12/3 约 18,800，
9/5 约 100,000</translation>
    </message>
    <message>
        <source>answer every request after MS milliseconds (0)</source>
        <translation>每个请求延迟 MS 毫秒后应答（0）</translation>
    </message>
    <message>
        <source>share of requests, 0-1, met by a fault of one of
the --fault-kinds, chosen by hashing the seed,
the path and query and how often that address
was asked (0)</source>
        <translation>遇到 --fault-kinds 中某种故障的请求比例，
0-1，按随机种子、路径和查询串以及该地址
被请求的次数哈希选出（0）</translation>
    </message>
    <message>
        <source>comma-separated kinds of fault, or all:
500, drop (connection closed half-way), silent
(no answer), endless (an answer that never
ends), huge (a page over 10 MB), bad-gbk (bytes
that are no GBK), redirect-loop
(500,drop,silent)</source>
        <translation>逗号分隔的故障类型，或 all：500、drop
（连接中途断开）、silent（不应答）、endless
（应答永不结束）、huge（超过 10 MB 的页面）、
bad-gbk（不是 GBK 的字节）、redirect-loop
（500,drop,silent）</translation>
    </message>
    <message>
        <source>seconds a client over the rate limit is blocked (30)</source>
        <translation>超过频率限制的客户端被拦截的秒数（30）</translation>
    </message>
    <message>
        <source>print each request with its client address,
User-Agent, Accept-Language and Cookie
(every block is printed, with or without --log)</source>
        <translation>输出每个请求及其客户端地址、User-Agent、
Accept-Language 和 Cookie
（无论有没有 --log，每次拦截都会输出）</translation>
    </message>
    <message>
        <source>print how many keywords a breadth-first run from
KEYWORD finds, and exit</source>
        <translation>输出从 KEYWORD 广度优先挖掘能找到的
关键词数，然后退出</translation>
    </message>
    <message>
        <source>engines to read: baidu, sogou, so360, a list, or all (default baidu)</source>
        <translation>读取的搜索引擎：baidu、sogou、so360，可列多个或 all（默认 baidu）</translation>
    </message>
    <message>
        <source>360 web search host</source>
        <translation>360 网页搜索主机</translation>
    </message>
    <message>
        <source>live: share of search queries, 0-1, answered with
a block (a 302 to a captcha host, or a page titled
百度安全验证; Sogou: a 302 to /antispider/, 360: a
verification-code page), chosen as the faults are (0)</source>
        <translation>live：以拦截应答的搜索查询比例，0-1
（302 跳转到验证码主机，或标题为
百度安全验证 的页面；搜狗：302 跳转到 /antispider/，
360：要求输入验证码的页面），选法与故障相同（0）</translation>
    </message>
    <message>
        <source>live: R search queries a second per client address
and engine (as many in a burst); a client over it
gets only blocks for the cooldown (0: no limit)</source>
        <translation>live：每个客户端地址、每个搜索引擎每秒 R 次搜索查询
（可突发同样多次）；超过的客户端在冷却期内
只会收到拦截（0：不限）</translation>
    </message>
    <message>
        <source>pages to serve: classic, or live (today&apos;s markup,
UTF-8 queries, a cookie, the board page and
hot_ranks); auto is classic (classic)</source>
        <translation>提供的页面版式：classic，或 live（如今的
页面结构、UTF-8 查询、Cookie、榜单页和
hot_ranks）；auto 即 classic（classic）</translation>
    </message>
</context>
<context>
    <name>sandbox</name>
    <message>
        <source>cannot start the sandbox web: cannot listen on 127.0.0.1</source>
        <translation>无法启动沙盒网站：无法在 127.0.0.1 上监听</translation>
    </message>
    <message>
        <source>--sandbox serves every role; ignoring </source>
        <translation>--sandbox 会提供所有主机；忽略 </translation>
    </message>
    <message>
        <source>cannot listen on 127.0.0.1:%1</source>
        <translation>无法在 127.0.0.1:%1 上监听</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多余的参数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: vantorix-sandbox [OPTIONS]

Serves on 127.0.0.1 every page Vantorix reads (result pages, hot lists, the
publisher&apos;s pages) from one port: the classic pages GBK-encoded, or with
--layout live today&apos;s pages in UTF-8. Sogou&apos;s and 360&apos;s result pages
(/web?query=, /s?q=) are today&apos;s in either layout. Prints
&quot;listening on http://127.0.0.1:PORT&quot; first, then serves until killed.

Options:
</source>
        <translation>用法：vantorix-sandbox [选项]

在 127.0.0.1 的一个端口上提供 Vantorix 读取的所有页面（结果页、热榜、发布站页面）：
经典页面为 GBK 编码，使用 --layout live 时为 UTF-8 编码的如今页面。搜狗和 360 的
结果页（/web?query=、/s?q=）在两种版式下都是如今的页面。
先输出 &quot;listening on http://127.0.0.1:PORT&quot;，然后一直提供服务，直到被终止。

选项：
</translation>
    </message>
</context>
<context>
    <name>shuffle</name>
    <message>
        <source>put the keywords in random order</source>
        <translation>随机打乱关键词顺序</translation>
    </message>
    <message>
        <source>Every order is equally likely. Empty lines are dropped; lines of
spaces and repeated keywords stay.
</source>
        <translation>每种顺序出现的可能性相同。空行会被去掉；只有空格的行和重复的关键词保留。
</translation>
    </message>
</context>
<context>
    <name>spreadsheet</name>
    <message>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>row %1 held a cell longer than %2 characters, the most a spreadsheet cell holds; it was cut to that</source>
        <translation>第 %1 行有单元格超过 %2 个字符（表格单元格的上限），已截断到该长度</translation>
    </message>
    <message>
        <source>%1 cells were longer than %2 characters, the most a spreadsheet cell holds, and were cut to that; the first in row %3</source>
        <translation>%1 个单元格超过 %2 个字符（表格单元格的上限），已截断到该长度；第一个在第 %3 行</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>cannot start a workbook</source>
        <translation>无法创建工作簿</translation>
    </message>
    <message>
        <source>a worksheet holds at most %1 keywords, not %2</source>
        <translation>一个工作表最多容纳 %1 个关键词，而不是 %2 个</translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>cannot create its folder</source>
        <translation>无法创建其所在文件夹</translation>
    </message>
    <message>
        <source>no folder %1</source>
        <translation>文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>timed out after %1 s</source>
        <translation>%1 秒后超时</translation>
    </message>
    <message>
        <source>redirected to </source>
        <translation>被重定向到 </translation>
    </message>
    <message>
        <source>insecure redirect to </source>
        <translation>不安全的重定向：</translation>
    </message>
    <message>
        <source>more than %1 redirects</source>
        <translation>重定向超过 %1 次</translation>
    </message>
    <message>
        <source>response larger than %1 bytes</source>
        <translation>应答大于 %1 字节</translation>
    </message>
    <message>
        <source>HTTP status %1 (%2)</source>
        <translation>HTTP 状态码 %1（%2）</translation>
    </message>
    <message>
        <source>connection closed after %1 of %2 bytes (%3)</source>
        <translation>收到 %2 字节中的 %1 字节后连接被关闭（%3）</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>Export as Excel</source>
        <translation>导出为 Excel</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>导出为 CSV</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV UTF-8 (*.csv)</source>
        <translation>CSV UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>UTF-8 text file (*.txt)</source>
        <translation>文本文件 UTF-8 (*.txt)</translation>
    </message>
    <message>
        <source>GBK text file (*.txt)</source>
        <translation>文本文件 GBK (*.txt)</translation>
    </message>
    <message>
        <source>Export txt</source>
        <translation>导出txt</translation>
    </message>
    <message>
        <source>Usage: vantorix [OPTIONS]

Options (environment variable in brackets):
</source>
        <translation>用法：vantorix [选项]

选项（方括号内为对应的环境变量）：
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多余的参数 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Cannot write the file %1
%2</source>
        <translation>无法写入文件：%1
%2</translation>
    </message>
</context>
</TS>
