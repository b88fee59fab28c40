<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ChallengeScreen</name>
    <message>
        <source>标题</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>级别</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>学校</source>
        <translation>School</translation>
    </message>
    <message>
        <source>剩余分钟</source>
        <translation>Minutes left</translation>
    </message>
    <message>
        <source>冒号</source>
        <translation>Colon</translation>
    </message>
    <message>
        <source>剩余秒数</source>
        <translation>Seconds left</translation>
    </message>
    <message>
        <source>小数点</source>
        <translation>Decimal point</translation>
    </message>
    <message>
        <source>剩余百分秒</source>
        <translation>Hundredths left</translation>
    </message>
    <message>
        <source>用时秒数</source>
        <translation>Seconds used</translation>
    </message>
    <message>
        <source>用时百分秒</source>
        <translation>Hundredths used</translation>
    </message>
    <message>
        <source>最好成绩</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>最好成绩标题</source>
        <translation>Best heading</translation>
    </message>
    <message>
        <source>消息</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>下一个数字</source>
        <translation>Next number</translation>
    </message>
    <message>
        <source>上一个正确数字</source>
        <translation>Last correct number</translation>
    </message>
    <message>
        <source>√</source>
        <translation>√</translation>
    </message>
    <message>
        <source>判定标记</source>
        <translation>Right or wrong mark</translation>
    </message>
    <message>
        <source>再玩一次</source>
        <translation>Again</translation>
    </message>
    <message>
        <source>开 始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>返 回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>规则</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>本轮分析</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>持续秒数</source>
        <translation>Seconds lasted</translation>
    </message>
    <message>
        <source>持续百分秒</source>
        <translation>Hundredths lasted</translation>
    </message>
    <message>
        <source>按键间隔秒数</source>
        <translation>Seconds since last key</translation>
    </message>
    <message>
        <source>按键间隔百分秒</source>
        <translation>Hundredths since last key</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>nos</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>持续时长</source>
        <translation>Lasted</translation>
    </message>
    <message>
        <source>持续时长标题</source>
        <translation>Lasted heading</translation>
    </message>
    <message>
        <source>最好成绩持续秒数</source>
        <translation>Best: seconds lasted</translation>
    </message>
    <message>
        <source>最好成绩持续百分秒</source>
        <translation>Best: hundredths lasted</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>位</source>
        <translation>nos</translation>
    </message>
    <message>
        <source>成功图片</source>
        <translation>Success picture</translation>
    </message>
</context>
<context>
    <name>ChallengeTexts</name>
    <message>
        <source>时间到!</source>
        <translation>Time&apos;s up!</translation>
    </message>
    <message>
        <source>小键盘的数字锁定(NumLock)没有打开，请按一下 NumLock 键</source>
        <translation>NumLock on the keypad is off: please press the NumLock key</translation>
    </message>
</context>
<context>
    <name>ClassLogTexts</name>
    <message>
        <source>没有给出文件名</source>
        <translation>no file name given</translation>
    </message>
    <message>
        <source>无法在文件旁边建立锁文件，文件夹不允许写入</source>
        <translation>cannot make a lock file next to the file: the folder allows no writing</translation>
    </message>
    <message>
        <source>另一个程序正在使用这个文件</source>
        <translation>another program is using this file</translation>
    </message>
    <message>
        <source>班级记录</source>
        <translation>Class log</translation>
    </message>
    <message>
        <source>班级记录无法使用：%1
原因：%2
游戏照常进行，本次不写班级记录。</source>
        <translation>The class log cannot be used: %1
Reason: %2
The game goes on as usual, without a class log this time.</translation>
    </message>
    <message>
        <source>tavrino: 班级记录无法使用：%1（%2），游戏照常进行，本次不写班级记录。</source>
        <translation>tavrino: the class log cannot be used: %1 (%2); the game goes on as usual, without a class log this time.</translation>
    </message>
    <message>
        <source>另一个程序正在使用班级记录，有 %1 轮成绩%2，文件空出来后会自动写入。</source>
        <translation>Another program is using the class log. The results of %1 round(s) %2 and go in by themselves once the file is free.</translation>
    </message>
    <message>
        <source>班级记录所在的文件夹没有响应，有 %1 轮成绩%2，游戏照常进行。</source>
        <translation>The class log&apos;s folder does not answer. The results of %1 round(s) %2; the game goes on as usual.</translation>
    </message>
    <message>
        <source>有 %1 轮成绩还没有写入班级记录（%3），%2，稍后会自动再试。</source>
        <translation>The results of %1 round(s) are not in the class log yet (%3); they %2, and the game tries again soon.</translation>
    </message>
    <message>
        <source>先存在这台电脑上</source>
        <translation>are kept on this computer for now</translation>
    </message>
    <message>
        <source>先留在内存里</source>
        <translation>are kept in memory for now</translation>
    </message>
    <message>
        <source>文件夹没有响应</source>
        <translation>the folder does not answer</translation>
    </message>
    <message>
        <source>有 %1 轮成绩还没有写入班级记录：%2
原因：%3
这些成绩已经存在这台电脑上（%4），下次启动游戏时会自动写入。</source>
        <translation>The results of %1 round(s) are not in the class log yet: %2
Reason: %3
They are kept on this computer (%4) and go in by themselves at the next start of the game.</translation>
    </message>
    <message>
        <source>tavrino: 有 %1 轮成绩还没有写入班级记录 %2（%3），已存在这台电脑上的 %4，下次启动游戏时写入</source>
        <translation>tavrino: the results of %1 round(s) are not in the class log %2 yet (%3); kept on this computer in %4, written at the next start of the game</translation>
    </message>
    <message>
        <source>有 %1 轮成绩没能写入班级记录：%2
原因：%3</source>
        <translation>The results of %1 round(s) could not be written to the class log: %2
Reason: %3</translation>
    </message>
    <message>
        <source>tavrino: 有 %1 轮成绩没能写入班级记录 %2（%3）</source>
        <translation>tavrino: the results of %1 round(s) could not be written to the class log %2 (%3)</translation>
    </message>
    <message>
        <source>%1；这台电脑上的 %2 也存不下：%3</source>
        <translation>%1; %2 on this computer could not keep them either: %3</translation>
    </message>
    <message>
        <source>tavrino: 读不到班级名单 %1（%2），名字框不提供名单上的名字</source>
        <translation>tavrino: cannot read the class list %1 (%2); the name box offers no names from the list</translation>
    </message>
</context>
<context>
    <name>ClassViewTexts</name>
    <message>
        <source>班级记录</source>
        <translation>Class log</translation>
    </message>
    <message>
        <source>%1级</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>计算机</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>轮数</source>
        <translation>Rounds</translation>
    </message>
    <message>
        <source>最近一次</source>
        <translation>Last played</translation>
    </message>
    <message>
        <source>%1 等 %2 台</source>
        <translation>%1 etc. (%2 in all)</translation>
    </message>
    <message>
        <source>还没有成绩</source>
        <translation>No results yet</translation>
    </message>
    <message>
        <source>不在名单上</source>
        <translation>Not on the list</translation>
    </message>
    <message>
        <source>%1（不在名单上）</source>
        <translation>%1 (not on the list)</translation>
    </message>
    <message>
        <source>算作名单上的学生…</source>
        <translation>Count as a listed pupil…</translation>
    </message>
    <message>
        <source>算作名单上的学生</source>
        <translation>Count as a listed pupil</translation>
    </message>
    <message>
        <source>记录里的“%1”是名单上的哪一名学生？</source>
        <translation>Which pupil on the list is &quot;%1&quot; in the log?</translation>
    </message>
    <message>
        <source>把记录里的“%1”算作名单上的“%2”？
班级名单 %3 里会加上一行“%1=%2”，班级记录不会改动。</source>
        <translation>Count &quot;%1&quot; in the log as &quot;%2&quot; on the list?
The line &quot;%1=%2&quot; is added to the class list %3; the class log is not changed.</translation>
    </message>
    <message>
        <source>无法写入班级名单 %1
原因：%2</source>
        <translation>Cannot write to the class list %1
Reason: %2</translation>
    </message>
    <message>
        <source>学生</source>
        <translation>Pupils</translation>
    </message>
    <message>
        <source>本节课</source>
        <translation>This lesson</translation>
    </message>
    <message>
        <source>今天还没有电脑写入成绩。</source>
        <translation>No computer has written a result today yet.</translation>
    </message>
    <message>
        <source>%1级 · %2</source>
        <translation>Level %1 · %2</translation>
    </message>
    <message>
        <source>刚刚</source>
        <translation>just now</translation>
    </message>
    <message>
        <source>%1 分钟前</source>
        <translation>%1 min ago</translation>
    </message>
    <message>
        <source>%1 小时前</source>
        <translation>%1 h ago</translation>
    </message>
    <message>
        <source>空闲</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>读不到班级名单 %1（%2），按记录里的名字显示。</source>
        <translation>Cannot read the class list %1 (%2); the names are shown as in the log.</translation>
    </message>
    <message>
        <source>%1(秒)</source>
        <translation>%1 (s)</translation>
    </message>
    <message>
        <source>%1(个)</source>
        <translation>%1 (numbers)</translation>
    </message>
    <message>
        <source>%1(个·秒)</source>
        <translation>%1 (numbers · s)</translation>
    </message>
    <message>
        <source>%1用时(秒)</source>
        <translation>%1 time (s)</translation>
    </message>
    <message>
        <source>查找姓名</source>
        <translation>Find a name</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>When</translation>
    </message>
    <message>
        <source>本周</source>
        <translation>This week</translation>
    </message>
    <message>
        <source>本月</source>
        <translation>This month</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>从…到…</source>
        <translation>From … to …</translation>
    </message>
    <message>
        <source>到</source>
        <translation> to </translation>
    </message>
    <message>
        <source>%1 名学生 · %2 轮 · %3 天里平均每天 %4 轮</source>
        <translation>%1 pupils · %2 rounds · %4 rounds a day over %3 days</translation>
    </message>
    <message>
        <source>这个班级记录里还没有成绩：学生玩完一轮，这里就会出现。</source>
        <translation>No results in this class log yet: they show up here when pupils finish a round.</translation>
    </message>
    <message>
        <source>这个文件不是班级记录：里面没有一行是游戏写的成绩。</source>
        <translation>This file is not a class log: none of its lines is a result the game wrote.</translation>
    </message>
    <message>
        <source>有 %1 行没有读入：%2。</source>
        <translation>Lines not read: %1 (%2).</translation>
    </message>
    <message>
        <source>%1 行不是游戏写的成绩</source>
        <translation>%1 not written by the game</translation>
    </message>
    <message>
        <source>%1 行正在写入，写完后会读入</source>
        <translation>%1 still being written, read when done</translation>
    </message>
    <message>
        <source>正在读入班级记录</source>
        <translation>Reading the class log</translation>
    </message>
    <message>
        <source>正在读入班级记录，请稍候……</source>
        <translation>Reading the class log, please wait…</translation>
    </message>
    <message>
        <source>%1 的 %2 进步情况</source>
        <translation>%1&apos;s progress in %2</translation>
    </message>
    <message>
        <source>在上面的表格里选一名学生，这里显示他每一级的进步。</source>
        <translation>Pick a pupil in the table above to see their progress in each level here.</translation>
    </message>
    <message>
        <source>当天最好</source>
        <translation>Best of the day</translation>
    </message>
    <message>
        <source>这一轮</source>
        <translation>This round</translation>
    </message>
    <message>
        <source>时限 %1 秒</source>
        <translation>Limit %1 s</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>个</source>
        <translation>no.</translation>
    </message>
    <message>
        <source>结束方式</source>
        <translation>How it ended</translation>
    </message>
    <message>
        <source>成绩</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>正确数字</source>
        <translation>Correct numbers</translation>
    </message>
    <message>
        <source>用时(秒)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>%1 个文件：%2</source>
        <translation>%1 files: %2</translation>
    </message>
    <message>
        <source>Ctrl+↑ 按当前列从小到大排序，Ctrl+↓ 从大到小</source>
        <translation>Ctrl+↑ sorts by this column from small to large, Ctrl+↓ from large to small</translation>
    </message>
    <message>
        <source>这一级的每一轮</source>
        <translation>Every round of this level</translation>
    </message>
    <message>
        <source>进步图</source>
        <translation>Progress chart</translation>
    </message>
    <message>
        <source>文件：%1 · 显示 %2 名学生 · 时间：%3 · 打印日期：%4</source>
        <translation>File: %1 · %2 pupils shown · When: %3 · Printed: %4</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>CSV 表格 (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>已复制表格，可以粘贴到电子表格里。</source>
        <translation>Table copied: you can paste it into a spreadsheet.</translation>
    </message>
    <message>
        <source>打开班级记录</source>
        <translation>Open class log</translation>
    </message>
    <message>
        <source>班级记录 (*.csv);;所有文件 (*)</source>
        <translation>Class logs (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>无法读取班级记录：%1
原因：%2</source>
        <translation>Cannot read the class log: %1
Reason: %2</translation>
    </message>
    <message>
        <source>tavrino: 无法读取班级记录：%1（%2）</source>
        <translation>tavrino: cannot read the class log: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>用法 Usage: tavrino [选项 OPTIONS]

Tavrino 数字专注力训练：输入姓名，选择一个级别，然后按顺序输入数字
1、2、3……，每个数字后按回车键。
Tavrino, a number typing and concentration trainer: type your name, pick a
level, then type the numbers 1, 2, 3 ... in order, each followed by Enter.

选项 Options:
  -h, --help     显示本帮助后退出。
                 Show this help and exit.
  -v, --version  显示版本后退出。
                 Show the version and exit.
  --log FILE     把每一轮的成绩追加到班级记录 FILE（CSV 表格）。
                 Append every finished round to the class log FILE (CSV).
  --roster FILE  班级名单 FILE（文本或 CSV，每行一名学生，可以在前面写学号）：开始
                 界面输入姓名时提示名单上的名字，班级记录窗口按名单显示。
                 The class list FILE (text or CSV, a pupil a line, a class
                 number before the name where wanted): the start screen&apos;s name
                 box offers its names, the class view follows it.
  --class [FILE...]
                 打开班级记录窗口，查看班级记录 FILE：每名学生每一级的最好成绩
                 和进步情况；FILE 可以是几个文件，或一个文件夹（其中每个 .csv
                 文件，例如每个机房一个）。不给 FILE 时用 --log 或管理员设置的
                 文件，都没有时选择文件。只读取，不写入。
                 Open the class view of the class log FILE: each pupil&apos;s best
                 per level and progress over the days; FILE may be several
                 files, or a folder (every .csv file in it, e.g. one per
                 computer room). Without FILE, the log that --log or the
                 administrator&apos;s setting names, else files chosen in a
                 dialog. It only reads the files.
  --lang zh_CN|zh_TW|en
                 界面语言：简体中文、繁体中文或英文；不给时按系统语言。
                 The language of the windows: Simplified Chinese,
                 Traditional Chinese or English; without it, the system&apos;s.

</source>
        <translation>Usage: tavrino [OPTIONS]

Tavrino, a number typing and concentration trainer: type your name, pick a
level, then type the numbers 1, 2, 3 ... in order, each followed by Enter.

Options:
  -h, --help
                 Show this help and exit.
  -v, --version
                 Show the version and exit.
  --log FILE
                 Append every finished round to the class log FILE (CSV).
  --roster FILE
                 The class list FILE (text or CSV, a pupil a line, a class
                 number before the name where wanted): the start screen&apos;s name
                 box offers its names, the class view follows it.
  --class [FILE...]
                 Open the class view of the class log FILE: each pupil&apos;s best
                 per level and progress over the days; FILE may be several
                 files, or a folder (every .csv file in it, e.g. one per
                 computer room). Without FILE, the log that --log or the
                 administrator&apos;s setting names, else files chosen in a
                 dialog. It only reads the files.
  --lang zh_CN|zh_TW|en
                 The language of the windows: Simplified Chinese,
                 Traditional Chinese or English; without it, the system&apos;s.

</translation>
    </message>
    <message>
        <source>不给 --log 时，管理员可以用组策略“班级记录文件”（tavrino.admx，写入
HKLM\SOFTWARE\Policies\Tavrino），或在注册表 HKLM\SOFTWARE\tavrino\tavrino
中用字符串值 log=FILE（安装时的 LOGPATH）为整台电脑打开班级记录；策略优先。
都没有时，程序不写任何文件。班级记录暂时无法写入的成绩先存在这台电脑上
（%LOCALAPPDATA%\tavrino，或策略“成绩暂存文件夹”、注册表值 outbox=FOLDER
指定的文件夹），下次启动时先写入。班级名单同样可以用策略“班级名单”或注册表值
roster=FILE 指定。
Without --log, an administrator may switch the class log on for the whole
computer with the group policy &quot;班级记录文件&quot; (tavrino.admx, written to
HKLM\SOFTWARE\Policies\Tavrino) or the string value log=FILE in the
registry key HKLM\SOFTWARE\tavrino\tavrino (the installer&apos;s LOGPATH); the
policy comes first. Without any, the program writes no file at all. Rounds
the class log cannot take at once wait on this computer (%LOCALAPPDATA%\tavrino,
or the folder of the policy &quot;成绩暂存文件夹&quot; or the value outbox=FOLDER) and
are written first at the next start. The class list is set alike, with the
policy &quot;班级名单&quot; or the value roster=FILE.
</source>
        <translation>Without --log, an administrator may switch the class log on for the whole
computer with the group policy &quot;Class log file&quot; (tavrino.admx, written to
HKLM\SOFTWARE\Policies\Tavrino) or the string value log=FILE in the
registry key HKLM\SOFTWARE\tavrino\tavrino (the installer&apos;s LOGPATH); the
policy comes first. Without any, the program writes no file at all. Rounds
the class log cannot take at once wait on this computer (%LOCALAPPDATA%\tavrino,
or the folder of the policy &quot;Outbox folder&quot; or the value
outbox=FOLDER) and are written first at the next start. The class list is set
alike, with the policy &quot;Class list&quot; or the value roster=FILE.
</translation>
    </message>
    <message>
        <source>不给 --log 时，管理员可以在 /etc/xdg/tavrino/tavrino.conf 中用 log=FILE 为整台
电脑打开班级记录；两者都没有时，程序不写任何文件。班级记录暂时无法写入的成绩
先存在这台电脑上（~/.local/share/tavrino，或 outbox=FOLDER 指定的文件夹），
下次启动时先写入。班级名单同样可以用 roster=FILE 指定。
Without --log, an administrator may switch the class log on for the whole
computer with log=FILE in /etc/xdg/tavrino/tavrino.conf; without either,
the program writes no file at all. Rounds the class log cannot take at once
wait on this computer (~/.local/share/tavrino, or the folder outbox=FOLDER
names there) and are written first at the next start. The class list is
set alike, with roster=FILE.
</source>
        <translation>Without --log, an administrator may switch the class log on for the whole
computer with log=FILE in /etc/xdg/tavrino/tavrino.conf; without either,
the program writes no file at all. Rounds the class log cannot take at once
wait on this computer (~/.local/share/tavrino, or the folder outbox=FOLDER
names there) and are written first at the next start. The class list is
set alike, with roster=FILE.
</translation>
    </message>
    <message>
        <source>
每个用户只运行一份；再次启动的一份立即结束，不显示窗口（给了选项时会在终端说明）。
Only one copy runs for each user; a second one ends at once without a window
(and, when it was given options, says so on the terminal).
</source>
        <translation>
Only one copy runs for each user; a second one ends at once without a window
(and, when it was given options, says so on the terminal).
</translation>
    </message>
    <message>
        <source>tavrino: 未知选项 unknown option: %1 (tavrino --help)</source>
        <translation>tavrino: unknown option: %1 (tavrino --help)</translation>
    </message>
    <message>
        <source>tavrino: 选项用法不对 option used wrongly: %1 (tavrino --help)</source>
        <translation>tavrino: option used wrongly: %1 (tavrino --help)</translation>
    </message>
    <message>
        <source>tavrino: 多余的参数 unexpected argument: %1 (tavrino --help)</source>
        <translation>tavrino: unexpected argument: %1 (tavrino --help)</translation>
    </message>
    <message>
        <source>tavrino: 已经有一份游戏在运行，这一份的选项不起作用，现在结束。 A copy is already running; this one&apos;s options are not used, and it ends.</source>
        <translation>tavrino: A copy is already running; this one&apos;s options are not used, and it ends.</translation>
    </message>
    <message>
        <source>tavrino: 无法连接到图形显示，游戏需要在桌面上运行。 Cannot open a display: the game runs on a desktop.</source>
        <translation>tavrino: Cannot open a display: the game runs on a desktop.</translation>
    </message>
</context>
<context>
    <name>DialogTexts</name>
    <message>
        <source>保存PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>已保存：%1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>没有保存：%1
原因：%2</source>
        <translation>Not saved: %1
Reason: %2</translation>
    </message>
    <message>
        <source>已发送到打印机：%1</source>
        <translation>Sent to the printer: %1</translation>
    </message>
    <message>
        <source>无法打印：%1</source>
        <translation>Cannot print: %1</translation>
    </message>
</context>
<context>
    <name>EnduranceTexts</name>
    <message>
        <source>不能退格，挑战结束！</source>
        <translation>No Backspace! Round over!</translation>
    </message>
    <message>
        <source>数字输入错误，挑战结束！</source>
        <translation>Wrong number! Round over!</translation>
    </message>
    <message>
        <source>按了非数字键,挑战结束!刷新记录</source>
        <translation>Wrong key! Round over! New record</translation>
    </message>
    <message>
        <source>两次按键时间超过2秒,挑战结束!</source>
        <translation>Paused over 2 s! Round over!</translation>
    </message>
</context>
<context>
    <name>FileProblem</name>
    <message>
        <source>文件所在的文件夹不存在</source>
        <translation>the file&apos;s folder does not exist</translation>
    </message>
    <message>
        <source>这是一个文件夹，不是文件</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>磁盘是只读的，不能写入</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>没有在这里写入文件的权限</source>
        <translation>no permission to write files here</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>无法写入这个文件</source>
        <translation>cannot write this file</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>没有读取这个文件的权限</source>
        <translation>no permission to read this file</translation>
    </message>
    <message>
        <source>无法读取这个文件</source>
        <translation>cannot read this file</translation>
    </message>
</context>
<context>
    <name>LevelTable</name>
    <message>
        <source>1级规则: 5分钟 不限次 连续输入数字 1-50 </source>
        <translation>Level 1: 5 min, any tries, type 1-50 in order </translation>
    </message>
    <message>
        <source>2级规则: 5分钟 不限次 连续输入数字 1-100 </source>
        <translation>Level 2: 5 min, any tries, type 1-100 in order </translation>
    </message>
    <message>
        <source>3级规则: 6分钟 不限次 连续输入数字 1-150 </source>
        <translation>Level 3: 6 min, any tries, type 1-150 in order </translation>
    </message>
    <message>
        <source>4级规则: 6分钟 不限次 连续输入数字 1-200 </source>
        <translation>Level 4: 6 min, any tries, type 1-200 in order </translation>
    </message>
    <message>
        <source>5级规则: 7分钟 不限次 连续输入数字 1-250 </source>
        <translation>Level 5: 7 min, any tries, type 1-250 in order </translation>
    </message>
    <message>
        <source>6级规则: 7分钟 不限次 连续输入数字 1-300 </source>
        <translation>Level 6: 7 min, any tries, type 1-300 in order </translation>
    </message>
    <message>
        <source>7级规则: 5分钟 不限位 不能改 </source>
        <translation>Level 7: 5 min, no limit, no fixes </translation>
    </message>
    <message>
        <source>7级规则: 5分钟  不限位 不能改</source>
        <translation>Level 7: 5 min, no limit, no fixes</translation>
    </message>
    <message>
        <source>8级规则: 7分钟 不限位 不能改 </source>
        <translation>Level 8: 7 min, no limit, no fixes </translation>
    </message>
    <message>
        <source>8级规则: 7分钟  不限位 不能改 </source>
        <translation>Level 8: 7 min, no limit, no fixes </translation>
    </message>
    <message>
        <source>9级规则: 不限时 不限位 不能改 按键间隔小于2秒</source>
        <translation>Level 9: no limits, no fixes, keys &lt; 2 s apart</translation>
    </message>
</context>
<context>
    <name>OpenEndedTexts</name>
    <message>
        <source>本次有效数字范围是 1 - </source>
        <translation>Valid numbers: 1 - </translation>
    </message>
    <message>
        <source>本次有效数字范围是 1-</source>
        <translation>Valid numbers: 1-</translation>
    </message>
    <message>
        <source>记录又被刷新,有效数字范围是 1 - </source>
        <translation>New record! Valid numbers: 1 - </translation>
    </message>
    <message>
        <source>记录又被刷新,有效数字范围是 1-</source>
        <translation>New record! Valid numbers: 1-</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <source>找不到打印模块。
%1</source>
        <translation>the print module was not found.
%1</translation>
    </message>
    <message>
        <source>打印机没有开始打印</source>
        <translation>the printer did not start printing</translation>
    </message>
    <message>
        <source>打印没有完成</source>
        <translation>the print did not finish</translation>
    </message>
</context>
<context>
    <name>Punctuation</name>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>RangedTexts</name>
    <message>
        <source>您正确输入的数字范围是 1 - </source>
        <translation>Correct numbers: 1 - </translation>
    </message>
    <message>
        <source>挑战成功,你真棒!</source>
        <translation>Success! Great job!</translation>
    </message>
    <message>
        <source>记录又被刷新!</source>
        <translation>New record!</translation>
    </message>
</context>
<context>
    <name>ReportTexts</name>
    <message>
        <source>本轮分析</source>
        <translation>Round report</translation>
    </message>
    <message>
        <source>%1级</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 个数字</source>
        <translation>%1 numbers</translation>
    </message>
    <message>
        <source>持续 %1 秒</source>
        <translation>lasted %1 s</translation>
    </message>
    <message>
        <source>成绩 %1</source>
        <translation>Result: %1</translation>
    </message>
    <message>
        <source>找数字</source>
        <translation>Finding</translation>
    </message>
    <message>
        <source>打数字</source>
        <translation>Typing</translation>
    </message>
    <message>
        <source>停顿</source>
        <translation>Pauses</translation>
    </message>
    <message>
        <source>第1个数字</source>
        <translation>Number 1</translation>
    </message>
    <message>
        <source>结束：%1</source>
        <translation>End: %1</translation>
    </message>
    <message>
        <source>平常 %1秒</source>
        <translation>Usual %1 s</translation>
    </message>
    <message>
        <source>2秒</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>节奏图</source>
        <translation>Rhythm chart</translation>
    </message>
    <message>
        <source>第 %1 个数字：找 %2 秒，打 %3 秒，共 %4 秒</source>
        <translation>Number %1: find %2 s, type %3 s, total %4 s</translation>
    </message>
    <message>
        <source>第 1 个数字：共 %1 秒，从按“开始”算起，包括把手放到键盘上的时间，所以不算进下面的统计</source>
        <translation>Number 1: %1 s in all, counted from pressing &quot;Start&quot;, with the time to put your hands on the keys, so the figures below leave it out</translation>
    </message>
    <message>
        <source>第 %1–%2 个数字：平常 %3 秒，最慢 %4 秒</source>
        <translation>Numbers %1–%2: usual %3 s, slowest %4 s</translation>
    </message>
    <message>
        <source>结束（%1）：最后一个正确数字之后 %2 秒</source>
        <translation>End (%1): %2 s after the last correct number</translation>
    </message>
    <message>
        <source>把鼠标移到柱子或下面的说明上，或用方向键，可以看到详细内容</source>
        <translation>Point the mouse at a bar or at the notes below, or use the arrow keys, to see more</translation>
    </message>
    <message>
        <source>正确数字</source>
        <translation>Correct numbers</translation>
    </message>
    <message>
        <source>这一轮正确输入的数字个数。</source>
        <translation>How many numbers you typed right in this round.</translation>
    </message>
    <message>
        <source>每分钟</source>
        <translation>Per minute</translation>
    </message>
    <message>
        <source>%1 个</source>
        <translation>%1 numbers</translation>
    </message>
    <message>
        <source>从按“开始”到最后一个回车，平均每分钟输入的数字个数。</source>
        <translation>How many numbers you typed per minute on average, from pressing &quot;Start&quot; to the last Enter.</translation>
    </message>
    <message>
        <source>平常每个数字</source>
        <translation>Usual time per number</translation>
    </message>
    <message>
        <source>%1 秒（找 %2 + 打 %3）</source>
        <translation>%1 s (find %2 + type %3)</translation>
    </message>
    <message>
        <source>大多数数字用的时间都在这附近：一半数字比它快，一半比它慢。第 1 个数字从按“开始”算起，不算在内。</source>
        <translation>Most numbers took about this long: half were faster, half slower. Number 1 counts from pressing &quot;Start&quot;, so it is left out.</translation>
    </message>
    <message>
        <source>最慢的数字</source>
        <translation>Slowest numbers</translation>
    </message>
    <message>
        <source>第 %1 个 %2 秒</source>
        <translation>number %1: %2 s</translation>
    </message>
    <message>
        <source>用时最长的几个数字（第 1 个数字不算）。</source>
        <translation>The numbers that took longest (number 1 left out).</translation>
    </message>
    <message>
        <source>%1 次</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>用时超过平常两倍的数字，在图上用红色三角标出。</source>
        <translation>Numbers that took more than twice the usual time; the chart marks them with red triangles.</translation>
    </message>
    <message>
        <source>节奏均匀</source>
        <translation>Even rhythm</translation>
    </message>
    <message>
        <source>%1 个里有 %2 个接近平常</source>
        <translation>%2 of %1 near the usual</translation>
    </message>
    <message>
        <source>用时在平常的一半到一倍半之间的数字算接近平常；接近平常的越多，节奏越均匀。</source>
        <translation>A number is near the usual when it took between half and one and a half times the usual time; the more such numbers, the more even your rhythm.</translation>
    </message>
    <message>
        <source>后一半比前一半</source>
        <translation>Second half vs first</translation>
    </message>
    <message>
        <source>每个数字快 %1 秒</source>
        <translation>%1 s faster each</translation>
    </message>
    <message>
        <source>每个数字慢 %1 秒</source>
        <translation>%1 s slower each</translation>
    </message>
    <message>
        <source>一样快</source>
        <translation>just as fast</translation>
    </message>
    <message>
        <source>%1（前一半平均 %2 秒，后一半平均 %3 秒）</source>
        <translation>%1 (first half %2 s, second %3 s)</translation>
    </message>
    <message>
        <source>把数字分成前后两半，比较每个数字平均用的时间。</source>
        <translation>The numbers split into a first and a second half, comparing the average time per number.</translation>
    </message>
    <message>
        <source>数字太少，还看不出节奏。</source>
        <translation>Too few numbers to see a rhythm yet.</translation>
    </message>
    <message>
        <source>数字	找数字(秒)	打数字(秒)	共(秒)</source>
        <translation>Number	Finding (s)	Typing (s)	Total (s)</translation>
    </message>
    <message>
        <source>我的进步</source>
        <translation>My progress</translation>
    </message>
    <message>
        <source>正在读取…</source>
        <translation>Reading…</translation>
    </message>
    <message>
        <source>现在读不到班级记录，看不到以前的成绩。</source>
        <translation>The class log cannot be read now, so earlier results are not shown.</translation>
    </message>
    <message>
        <source>这是你第一次玩 %1 级。</source>
        <translation>This is your first time at level %1.</translation>
    </message>
    <message>
        <source>这是你第 %1 次玩 %2 级。</source>
        <translation>You have played level %2 %1 times now.</translation>
    </message>
    <message>
        <source>最好成绩 %1（%2）。</source>
        <translation>Best: %1 (%2).</translation>
    </message>
    <message>
        <source>%1 个数字，持续 %2 秒</source>
        <translation>%1 numbers, lasted %2 s</translation>
    </message>
    <message>
        <source>还没有挑战成功过。</source>
        <translation>No success yet.</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>today</translation>
    </message>
    <message>
        <source>%1 月 %2 日</source>
        <translation>%2/%1</translation>
    </message>
    <message>
        <source>这一轮比上一次快 %1 秒。</source>
        <translation>This round was %1 s faster than last time.</translation>
    </message>
    <message>
        <source>这一轮比上一次慢 %1 秒。</source>
        <translation>This round was %1 s slower than last time.</translation>
    </message>
    <message>
        <source>这一轮和上一次一样快。</source>
        <translation>This round was as fast as last time.</translation>
    </message>
    <message>
        <source>这一轮比上一次多 %1 个数字。</source>
        <translation>This round: %1 more numbers than last time.</translation>
    </message>
    <message>
        <source>这一轮比上一次少 %1 个数字。</source>
        <translation>This round: %1 fewer numbers than last time.</translation>
    </message>
    <message>
        <source>这一轮和上一次一样多。</source>
        <translation>This round: as many numbers as last time.</translation>
    </message>
    <message>
        <source>上一次没有完成，这一轮完成了。</source>
        <translation>Last time you did not finish; this time you did.</translation>
    </message>
    <message>
        <source>这一轮没有完成。</source>
        <translation>You did not finish this round.</translation>
    </message>
    <message>
        <source>本次运行的各轮</source>
        <translation>Rounds this session</translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>已复制：本轮分析和每个数字的用时，可以粘贴到表格里。</source>
        <translation>Copied: the round report and the times of every number; you can paste them into a spreadsheet.</translation>
    </message>
</context>
<context>
    <name>RoundEnding</name>
    <message>
        <source>挑战成功</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>数字错误</source>
        <translation>Wrong number</translation>
    </message>
    <message>
        <source>按了退格键</source>
        <translation>Backspace pressed</translation>
    </message>
    <message>
        <source>按了非数字键</source>
        <translation>Non-digit key</translation>
    </message>
    <message>
        <source>停顿超过2秒</source>
        <translation>Paused over 2 s</translation>
    </message>
    <message>
        <source>时间到</source>
        <translation>Time&apos;s up</translation>
    </message>
    <message>
        <source>中途返回</source>
        <translation>Left early</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>标题</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>(第二版)</source>
        <translation>(Ver. 2)</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>副标题</source>
        <translation>Subtitle</translation>
    </message>
    <message>
        <source>所选级别</source>
        <translation>Chosen level</translation>
    </message>
    <message>
        <source>选择级别 </source>
        <translation>Pick a level </translation>
    </message>
    <message>
        <source>选择级别提示</source>
        <translation>Choose a level caption</translation>
    </message>
    <message>
        <source>竞赛平台徽章</source>
        <translation>Contest platform badge</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>姓名提示</source>
        <translation>Name caption</translation>
    </message>
    <message>
        <source>请输入不大于4位数字或4个汉字</source>
        <translation>Type at most 4 digits or 4 characters</translation>
    </message>
    <message>
        <source>姓名标题</source>
        <translation>Name heading</translation>
    </message>
    <message>
        <source>姓名显示</source>
        <translation>Name shown</translation>
    </message>
    <message>
        <source>学校</source>
        <translation>School</translation>
    </message>
    <message>
        <source>学校标题</source>
        <translation>School heading</translation>
    </message>
    <message>
        <source>学校显示</source>
        <translation>School shown</translation>
    </message>
    <message>
        <source>进  入</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>进入</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>退  出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>级别规则</source>
        <translation>Level rules</translation>
    </message>
    <message>
        <source>分隔线</source>
        <translation>Divider</translation>
    </message>
    <message>
        <source>项目策划</source>
        <translation>Planning</translation>
    </message>
    <message>
        <source>设计制作</source>
        <translation>Made by</translation>
    </message>
    <message>
        <source>竞赛平台网址</source>
        <translation>Contest platform address</translation>
    </message>
    <message>
        <source>网站网址</source>
        <translation>Website address</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>StartTexts</name>
    <message>
        <source>专注力和键盘输入专项训练软件</source>
        <translation>Focus and typing training</translation>
    </message>
    <message>
        <source>项目策划: </source>
        <translation>Planning: </translation>
    </message>
    <message>
        <source>设计制作: </source>
        <translation>Made by: </translation>
    </message>
    <message>
        <source>林晓</source>
        <translation>Lin Xiao</translation>
    </message>
    <message>
        <source>级别 %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>周航</source>
        <translation>Zhou Hang</translation>
    </message>
</context>
</TS>
