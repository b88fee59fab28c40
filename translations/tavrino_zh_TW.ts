<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>ChallengeScreen</name>
    <message>
        <source>标题</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>级别</source>
        <translation>級別</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>学校</source>
        <translation>學校</translation>
    </message>
    <message>
        <source>剩余分钟</source>
        <translation>剩餘分鐘</translation>
    </message>
    <message>
        <source>冒号</source>
        <translation>冒號</translation>
    </message>
    <message>
        <source>剩余秒数</source>
        <translation>剩餘秒數</translation>
    </message>
    <message>
        <source>小数点</source>
        <translation>小數點</translation>
    </message>
    <message>
        <source>剩余百分秒</source>
        <translation>剩餘百分秒</translation>
    </message>
    <message>
        <source>用时秒数</source>
        <translation>用時秒數</translation>
    </message>
    <message>
        <source>用时百分秒</source>
        <translation>用時百分秒</translation>
    </message>
    <message>
        <source>最好成绩</source>
        <translation>最佳成績</translation>
    </message>
    <message>
        <source>最好成绩标题</source>
        <translation>最佳成績標題</translation>
    </message>
    <message>
        <source>消息</source>
        <translation>訊息</translation>
    </message>
    <message>
        <source>下一个数字</source>
        <translation>下一個數字</translation>
    </message>
    <message>
        <source>上一个正确数字</source>
        <translation>上一個正確數字</translation>
    </message>
    <message>
        <source>√</source>
        <translation>√</translation>
    </message>
    <message>
        <source>判定标记</source>
        <translation>判定標記</translation>
    </message>
    <message>
        <source>再玩一次</source>
        <translation>再玩一次</translation>
    </message>
    <message>
        <source>开 始</source>
        <translation>開 始</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>返 回</source>
        <translation>返 回</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>规则</source>
        <translation>規則</translation>
    </message>
    <message>
        <source>本轮分析</source>
        <translation>本輪分析</translation>
    </message>
    <message>
        <source>持续秒数</source>
        <translation>持續秒數</translation>
    </message>
    <message>
        <source>持续百分秒</source>
        <translation>持續百分秒</translation>
    </message>
    <message>
        <source>按键间隔秒数</source>
        <translation>按鍵間隔秒數</translation>
    </message>
    <message>
        <source>按键间隔百分秒</source>
        <translation>按鍵間隔百分秒</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>數字</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>單位</translation>
    </message>
    <message>
        <source>持续时长</source>
        <translation>持續時間</translation>
    </message>
    <message>
        <source>持续时长标题</source>
        <translation>持續時間標題</translation>
    </message>
    <message>
        <source>最好成绩持续秒数</source>
        <translation>最佳成績持續秒數</translation>
    </message>
    <message>
        <source>最好成绩持续百分秒</source>
        <translation>最佳成績持續百分秒</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>位</source>
        <translation>位</translation>
    </message>
    <message>
        <source>成功图片</source>
        <translation>成功圖片</translation>
    </message>
</context>
<context>
    <name>ChallengeTexts</name>
    <message>
        <source>时间到!</source>
        <translation>時間到!</translation>
    </message>
    <message>
        <source>小键盘的数字锁定(NumLock)没有打开，请按一下 NumLock 键</source>
        <translation>數字鍵台的數字鎖定(NumLock)未開啟，請按一下 NumLock 鍵</translation>
    </message>
</context>
<context>
    <name>ClassLogTexts</name>
    <message>
        <source>没有给出文件名</source>
        <translation>沒有指定檔名</translation>
    </message>
    <message>
        <source>无法在文件旁边建立锁文件，文件夹不允许写入</source>
        <translation>無法在檔案旁邊建立鎖定檔，資料夾不允許寫入</translation>
    </message>
    <message>
        <source>另一个程序正在使用这个文件</source>
        <translation>另一個程式正在使用這個檔案</translation>
    </message>
    <message>
        <source>班级记录</source>
        <translation>班級記錄</translation>
    </message>
    <message>
        <source>班级记录无法使用：%1
原因：%2
游戏照常进行，本次不写班级记录。</source>
        <translation>班級記錄無法使用：%1
原因：%2
遊戲照常進行，本次不寫班級記錄。</translation>
    </message>
    <message>
        <source>tavrino: 班级记录无法使用：%1（%2），游戏照常进行，本次不写班级记录。</source>
        <translation>tavrino: 班級記錄無法使用：%1（%2），遊戲照常進行，本次不寫班級記錄。</translation>
    </message>
    <message>
        <source>另一个程序正在使用班级记录，有 %1 轮成绩%2，文件空出来后会自动写入。</source>
        <translation>另一個程式正在使用班級記錄，有 %1 輪成績%2，檔案可用後會自動寫入。</translation>
    </message>
    <message>
        <source>班级记录所在的文件夹没有响应，有 %1 轮成绩%2，游戏照常进行。</source>
        <translation>班級記錄所在的資料夾沒有回應，有 %1 輪成績%2，遊戲照常進行。</translation>
    </message>
    <message>
        <source>有 %1 轮成绩还没有写入班级记录（%3），%2，稍后会自动再试。</source>
        <translation>有 %1 輪成績還沒有寫入班級記錄（%3），%2，稍後會自動重試。</translation>
    </message>
    <message>
        <source>先存在这台电脑上</source>
        <translation>先存在這台電腦上</translation>
    </message>
    <message>
        <source>先留在内存里</source>
        <translation>先留在記憶體</translation>
    </message>
    <message>
        <source>文件夹没有响应</source>
        <translation>資料夾沒有回應</translation>
    </message>
    <message>
        <source>有 %1 轮成绩还没有写入班级记录：%2
原因：%3
这些成绩已经存在这台电脑上（%4），下次启动游戏时会自动写入。</source>
        <translation>有 %1 輪成績還沒有寫入班級記錄：%2
原因：%3
這些成績已經存在這台電腦上（%4），下次啟動遊戲時會自動寫入。</translation>
    </message>
    <message>
        <source>tavrino: 有 %1 轮成绩还没有写入班级记录 %2（%3），已存在这台电脑上的 %4，下次启动游戏时写入</source>
        <translation>tavrino: 有 %1 輪成績還沒有寫入班級記錄 %2（%3），已存在這台電腦上的 %4，下次啟動遊戲時寫入</translation>
    </message>
    <message>
        <source>有 %1 轮成绩没能写入班级记录：%2
原因：%3</source>
        <translation>有 %1 輪成績未能寫入班級記錄：%2
原因：%3</translation>
    </message>
    <message>
        <source>tavrino: 有 %1 轮成绩没能写入班级记录 %2（%3）</source>
        <translation>tavrino: 有 %1 輪成績未能寫入班級記錄 %2（%3）</translation>
    </message>
    <message>
        <source>%1；这台电脑上的 %2 也存不下：%3</source>
        <translation>%1；這台電腦上的 %2 也存不下：%3</translation>
    </message>
    <message>
        <source>tavrino: 读不到班级名单 %1（%2），名字框不提供名单上的名字</source>
        <translation>tavrino: 讀不到班級名單 %1（%2），名字框不提供名單上的名字</translation>
    </message>
</context>
<context>
    <name>ClassViewTexts</name>
    <message>
        <source>班级记录</source>
        <translation>班級記錄</translation>
    </message>
    <message>
        <source>%1级</source>
        <translation>%1級</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>计算机</source>
        <translation>電腦</translation>
    </message>
    <message>
        <source>轮数</source>
        <translation>輪數</translation>
    </message>
    <message>
        <source>最近一次</source>
        <translation>最近一次</translation>
    </message>
    <message>
        <source>%1 等 %2 台</source>
        <translation>%1 等 %2 台</translation>
    </message>
    <message>
        <source>还没有成绩</source>
        <translation>還沒有成績</translation>
    </message>
    <message>
        <source>不在名单上</source>
        <translation>不在名單上</translation>
    </message>
    <message>
        <source>%1（不在名单上）</source>
        <translation>%1（不在名單上）</translation>
    </message>
    <message>
        <source>算作名单上的学生…</source>
        <translation>算作名單上的學生…</translation>
    </message>
    <message>
        <source>算作名单上的学生</source>
        <translation>算作名單上的學生</translation>
    </message>
    <message>
        <source>记录里的“%1”是名单上的哪一名学生？</source>
        <translation>記錄裡的「%1」是名單上的哪一名學生？</translation>
    </message>
    <message>
        <source>把记录里的“%1”算作名单上的“%2”？
班级名单 %3 里会加上一行“%1=%2”，班级记录不会改动。</source>
        <translation>把記錄裡的「%1」算作名單上的「%2」？
班級名單 %3 裡會加上一行「%1=%2」，班級記錄不會變動。</translation>
    </message>
    <message>
        <source>无法写入班级名单 %1
原因：%2</source>
        <translation>無法寫入班級名單 %1
原因：%2</translation>
    </message>
    <message>
        <source>学生</source>
        <translation>學生</translation>
    </message>
    <message>
        <source>本节课</source>
        <translation>本節課</translation>
    </message>
    <message>
        <source>今天还没有电脑写入成绩。</source>
        <translation>今天還沒有電腦寫入成績。</translation>
    </message>
    <message>
        <source>%1级 · %2</source>
        <translation>%1級 · %2</translation>
    </message>
    <message>
        <source>刚刚</source>
        <translation>剛剛</translation>
    </message>
    <message>
        <source>%1 分钟前</source>
        <translation>%1 分鐘前</translation>
    </message>
    <message>
        <source>%1 小时前</source>
        <translation>%1 小時前</translation>
    </message>
    <message>
        <source>空闲</source>
        <translation>閒置</translation>
    </message>
    <message>
        <source>读不到班级名单 %1（%2），按记录里的名字显示。</source>
        <translation>讀不到班級名單 %1（%2），依記錄裡的名字顯示。</translation>
    </message>
    <message>
        <source>%1(秒)</source>
        <translation>%1(秒)</translation>
    </message>
    <message>
        <source>%1(个)</source>
        <translation>%1(個)</translation>
    </message>
    <message>
        <source>%1(个·秒)</source>
        <translation>%1(個·秒)</translation>
    </message>
    <message>
        <source>%1用时(秒)</source>
        <translation>%1用時(秒)</translation>
    </message>
    <message>
        <source>查找姓名</source>
        <translation>搜尋姓名</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>本周</source>
        <translation>本週</translation>
    </message>
    <message>
        <source>本月</source>
        <translation>本月</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>从…到…</source>
        <translation>從…到…</translation>
    </message>
    <message>
        <source>到</source>
        <translation>到</translation>
    </message>
    <message>
        <source>%1 名学生 · %2 轮 · %3 天里平均每天 %4 轮</source>
        <translation>%1 名學生 · %2 輪 · %3 天裡平均每天 %4 輪</translation>
    </message>
    <message>
        <source>这个班级记录里还没有成绩：学生玩完一轮，这里就会出现。</source>
        <translation>這個班級記錄裡還沒有成績：學生玩完一輪，這裡就會出現。</translation>
    </message>
    <message>
        <source>这个文件不是班级记录：里面没有一行是游戏写的成绩。</source>
        <translation>這個檔案不是班級記錄：裡面沒有一行是遊戲寫的成績。</translation>
    </message>
    <message>
        <source>有 %1 行没有读入：%2。</source>
        <translation>有 %1 行沒有讀入：%2。</translation>
    </message>
    <message>
        <source>%1 行不是游戏写的成绩</source>
        <translation>%1 行不是遊戲寫的成績</translation>
    </message>
    <message>
        <source>%1 行正在写入，写完后会读入</source>
        <translation>%1 行正在寫入，寫完後會讀入</translation>
    </message>
    <message>
        <source>正在读入班级记录</source>
        <translation>正在讀入班級記錄</translation>
    </message>
    <message>
        <source>正在读入班级记录，请稍候……</source>
        <translation>正在讀入班級記錄，請稍候……</translation>
    </message>
    <message>
        <source>%1 的 %2 进步情况</source>
        <translation>%1 的 %2 進步情況</translation>
    </message>
    <message>
        <source>在上面的表格里选一名学生，这里显示他每一级的进步。</source>
        <translation>在上面的表格裡選一名學生，這裡顯示他每一級的進步。</translation>
    </message>
    <message>
        <source>当天最好</source>
        <translation>當天最佳</translation>
    </message>
    <message>
        <source>这一轮</source>
        <translation>這一輪</translation>
    </message>
    <message>
        <source>时限 %1 秒</source>
        <translation>時限 %1 秒</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>个</source>
        <translation>個</translation>
    </message>
    <message>
        <source>结束方式</source>
        <translation>結束方式</translation>
    </message>
    <message>
        <source>成绩</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>正确数字</source>
        <translation>正確數字</translation>
    </message>
    <message>
        <source>用时(秒)</source>
        <translation>用時(秒)</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>%1 个文件：%2</source>
        <translation>%1 個檔案：%2</translation>
    </message>
    <message>
        <source>Ctrl+↑ 按当前列从小到大排序，Ctrl+↓ 从大到小</source>
        <translation>Ctrl+↑ 依目前欄從小到大排序，Ctrl+↓ 從大到小</translation>
    </message>
    <message>
        <source>这一级的每一轮</source>
        <translation>這一級的每一輪</translation>
    </message>
    <message>
        <source>进步图</source>
        <translation>進步圖</translation>
    </message>
    <message>
        <source>文件：%1 · 显示 %2 名学生 · 时间：%3 · 打印日期：%4</source>
        <translation>檔案：%1 · 顯示 %2 名學生 · 時間：%3 · 列印日期：%4</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>匯出CSV</translation>
    </message>
    <message>
        <source>CSV 表格 (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>已复制表格，可以粘贴到电子表格里。</source>
        <translation>已複製表格，可以貼到試算表裡。</translation>
    </message>
    <message>
        <source>打开班级记录</source>
        <translation>開啟班級記錄</translation>
    </message>
    <message>
        <source>班级记录 (*.csv);;所有文件 (*)</source>
        <translation>班級記錄 (*.csv);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>无法读取班级记录：%1
原因：%2</source>
        <translation>無法讀取班級記錄：%1
原因：%2</translation>
    </message>
    <message>
        <source>tavrino: 无法读取班级记录：%1（%2）</source>
        <translation>tavrino: 無法讀取班級記錄：%1（%2）</translation>
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
        <translation>用法 Usage: tavrino [選項 OPTIONS]

Tavrino 數字專注力訓練：輸入姓名，選擇一個級別，然後依序輸入數字
1、2、3……，每個數字後按 Enter 鍵。
Tavrino, a number typing and concentration trainer: type your name, pick a
level, then type the numbers 1, 2, 3 ... in order, each followed by Enter.

選項 Options:
  -h, --help     顯示本說明後結束。
                 Show this help and exit.
  -v, --version  顯示版本後結束。
                 Show the version and exit.
  --log FILE     把每一輪的成績附加到班級記錄 FILE（CSV 檔案）。
                 Append every finished round to the class log FILE (CSV).
  --roster FILE  班級名單 FILE（文字或 CSV，每行一名學生，可以在前面寫學號）：開始
                 畫面輸入姓名時提示名單上的名字，班級記錄視窗依名單顯示。
                 The class list FILE (text or CSV, a pupil a line, a class
                 number before the name where wanted): the start screen&apos;s name
                 box offers its names, the class view follows it.
  --class [FILE...]
                 開啟班級記錄視窗，查看班級記錄 FILE：每名學生每一級的最佳成績
                 和進步情況；FILE 可以是幾個檔案，或一個資料夾（其中每個 .csv
                 檔案，例如每間電腦教室一個）。未指定 FILE 時用 --log 或管理員
                 設定的檔案，都沒有時選擇檔案。只讀取，不寫入。
                 Open the class view of the class log FILE: each pupil&apos;s best
                 per level and progress over the days; FILE may be several
                 files, or a folder (every .csv file in it, e.g. one per
                 computer room). Without FILE, the log that --log or the
                 administrator&apos;s setting names, else files chosen in a
                 dialog. It only reads the files.
  --lang zh_CN|zh_TW|en
                 介面語言：簡體中文、繁體中文或英文；未指定時依系統語言。
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
        <translation>未指定 --log 時，管理員可用群組原則「班級記錄檔案」（tavrino.admx，寫入
HKLM\SOFTWARE\Policies\Tavrino），或在登錄檔 HKLM\SOFTWARE\tavrino\tavrino
中用字串值 log=FILE（安裝時的 LOGPATH）為整台電腦開啟班級記錄；原則優先。
都沒有時，程式不寫入任何檔案。班級記錄暫時無法寫入的成績先存在這台電腦上
（%LOCALAPPDATA%\tavrino，或原則「成績暫存資料夾」、登錄值 outbox=FOLDER
指定的資料夾），下次啟動時先寫入。班級名單同樣可以用原則「班級名單」或登錄值
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
        <translation>未指定 --log 時，管理員可在 /etc/xdg/tavrino/tavrino.conf 中用 log=FILE 為整台
電腦開啟班級記錄；兩者都沒有時，程式不寫入任何檔案。班級記錄暫時無法寫入的成績
先存在這台電腦上（~/.local/share/tavrino，或 outbox=FOLDER 指定的資料夾），
下次啟動時先寫入。班級名單同樣可以用 roster=FILE 指定。
Without --log, an administrator may switch the class log on for the whole
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
每個使用者只執行一份；再次啟動的一份立即結束，不顯示視窗（有選項時在終端機說明）。
Only one copy runs for each user; a second one ends at once without a window
(and, when it was given options, says so on the terminal).
</translation>
    </message>
    <message>
        <source>tavrino: 未知选项 unknown option: %1 (tavrino --help)</source>
        <translation>tavrino: 未知選項 unknown option: %1 (tavrino --help)</translation>
    </message>
    <message>
        <source>tavrino: 选项用法不对 option used wrongly: %1 (tavrino --help)</source>
        <translation>tavrino: 選項用法錯誤 option used wrongly: %1 (tavrino --help)</translation>
    </message>
    <message>
        <source>tavrino: 多余的参数 unexpected argument: %1 (tavrino --help)</source>
        <translation>tavrino: 多餘的參數 unexpected argument: %1 (tavrino --help)</translation>
    </message>
    <message>
        <source>tavrino: 已经有一份游戏在运行，这一份的选项不起作用，现在结束。 A copy is already running; this one&apos;s options are not used, and it ends.</source>
        <translation>tavrino: 已經有一份遊戲在執行，這一份的選項不會生效，現在結束。 A copy is already running; this one&apos;s options are not used, and it ends.</translation>
    </message>
    <message>
        <source>tavrino: 无法连接到图形显示，游戏需要在桌面上运行。 Cannot open a display: the game runs on a desktop.</source>
        <translation>tavrino: 無法連線到圖形顯示，遊戲需要在桌面上執行。 Cannot open a display: the game runs on a desktop.</translation>
    </message>
</context>
<context>
    <name>DialogTexts</name>
    <message>
        <source>保存PDF</source>
        <translation>儲存PDF</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>已保存：%1</source>
        <translation>已儲存：%1</translation>
    </message>
    <message>
        <source>没有保存：%1
原因：%2</source>
        <translation>沒有儲存：%1
原因：%2</translation>
    </message>
    <message>
        <source>已发送到打印机：%1</source>
        <translation>已傳送到印表機：%1</translation>
    </message>
    <message>
        <source>无法打印：%1</source>
        <translation>無法列印：%1</translation>
    </message>
</context>
<context>
    <name>EnduranceTexts</name>
    <message>
        <source>不能退格，挑战结束！</source>
        <translation>不能倒退，挑戰結束！</translation>
    </message>
    <message>
        <source>数字输入错误，挑战结束！</source>
        <translation>數字輸入錯誤，挑戰結束！</translation>
    </message>
    <message>
        <source>按了非数字键,挑战结束!刷新记录</source>
        <translation>按了非數字鍵,挑戰結束!刷新紀錄</translation>
    </message>
    <message>
        <source>两次按键时间超过2秒,挑战结束!</source>
        <translation>兩次按鍵時間超過2秒,挑戰結束!</translation>
    </message>
</context>
<context>
    <name>FileProblem</name>
    <message>
        <source>文件所在的文件夹不存在</source>
        <translation>檔案所在的資料夾不存在</translation>
    </message>
    <message>
        <source>这是一个文件夹，不是文件</source>
        <translation>這是一個資料夾，不是檔案</translation>
    </message>
    <message>
        <source>磁盘是只读的，不能写入</source>
        <translation>磁碟是唯讀的，不能寫入</translation>
    </message>
    <message>
        <source>没有在这里写入文件的权限</source>
        <translation>沒有在這裡寫入檔案的權限</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>磁碟已滿</translation>
    </message>
    <message>
        <source>无法写入这个文件</source>
        <translation>無法寫入這個檔案</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>檔案不存在</translation>
    </message>
    <message>
        <source>没有读取这个文件的权限</source>
        <translation>沒有讀取這個檔案的權限</translation>
    </message>
    <message>
        <source>无法读取这个文件</source>
        <translation>無法讀取這個檔案</translation>
    </message>
</context>
<context>
    <name>LevelTable</name>
    <message>
        <source>1级规则: 5分钟 不限次 连续输入数字 1-50 </source>
        <translation>1級規則: 5分鐘 不限次 連續輸入數字 1-50 </translation>
    </message>
    <message>
        <source>2级规则: 5分钟 不限次 连续输入数字 1-100 </source>
        <translation>2級規則: 5分鐘 不限次 連續輸入數字 1-100 </translation>
    </message>
    <message>
        <source>3级规则: 6分钟 不限次 连续输入数字 1-150 </source>
        <translation>3級規則: 6分鐘 不限次 連續輸入數字 1-150 </translation>
    </message>
    <message>
        <source>4级规则: 6分钟 不限次 连续输入数字 1-200 </source>
        <translation>4級規則: 6分鐘 不限次 連續輸入數字 1-200 </translation>
    </message>
    <message>
        <source>5级规则: 7分钟 不限次 连续输入数字 1-250 </source>
        <translation>5級規則: 7分鐘 不限次 連續輸入數字 1-250 </translation>
    </message>
    <message>
        <source>6级规则: 7分钟 不限次 连续输入数字 1-300 </source>
        <translation>6級規則: 7分鐘 不限次 連續輸入數字 1-300 </translation>
    </message>
    <message>
        <source>7级规则: 5分钟 不限位 不能改 </source>
        <translation>7級規則: 5分鐘 不限位 不能改 </translation>
    </message>
    <message>
        <source>7级规则: 5分钟  不限位 不能改</source>
        <translation>7級規則: 5分鐘  不限位 不能改</translation>
    </message>
    <message>
        <source>8级规则: 7分钟 不限位 不能改 </source>
        <translation>8級規則: 7分鐘 不限位 不能改 </translation>
    </message>
    <message>
        <source>8级规则: 7分钟  不限位 不能改 </source>
        <translation>8級規則: 7分鐘  不限位 不能改 </translation>
    </message>
    <message>
        <source>9级规则: 不限时 不限位 不能改 按键间隔小于2秒</source>
        <translation>9級規則: 不限時 不限位 不能改 按鍵間隔小於2秒</translation>
    </message>
</context>
<context>
    <name>OpenEndedTexts</name>
    <message>
        <source>本次有效数字范围是 1 - </source>
        <translation>本次有效數字範圍是 1 - </translation>
    </message>
    <message>
        <source>本次有效数字范围是 1-</source>
        <translation>本次有效數字範圍是 1-</translation>
    </message>
    <message>
        <source>记录又被刷新,有效数字范围是 1 - </source>
        <translation>紀錄又被刷新,有效數字範圍是 1 - </translation>
    </message>
    <message>
        <source>记录又被刷新,有效数字范围是 1-</source>
        <translation>紀錄又被刷新,有效數字範圍是 1-</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <source>找不到打印模块。
%1</source>
        <translation>找不到列印模組。
%1</translation>
    </message>
    <message>
        <source>打印机没有开始打印</source>
        <translation>印表機沒有開始列印</translation>
    </message>
    <message>
        <source>打印没有完成</source>
        <translation>列印沒有完成</translation>
    </message>
</context>
<context>
    <name>Punctuation</name>
    <message>
        <source>，</source>
        <translation>，</translation>
    </message>
    <message>
        <source>：</source>
        <translation>：</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1%2</translation>
    </message>
</context>
<context>
    <name>RangedTexts</name>
    <message>
        <source>您正确输入的数字范围是 1 - </source>
        <translation>您正確輸入的數字範圍是 1 - </translation>
    </message>
    <message>
        <source>挑战成功,你真棒!</source>
        <translation>挑戰成功,你真棒!</translation>
    </message>
    <message>
        <source>记录又被刷新!</source>
        <translation>紀錄又被刷新!</translation>
    </message>
</context>
<context>
    <name>ReportTexts</name>
    <message>
        <source>本轮分析</source>
        <translation>本輪分析</translation>
    </message>
    <message>
        <source>%1级</source>
        <translation>%1級</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 个数字</source>
        <translation>%1 個數字</translation>
    </message>
    <message>
        <source>持续 %1 秒</source>
        <translation>持續 %1 秒</translation>
    </message>
    <message>
        <source>成绩 %1</source>
        <translation>成績 %1</translation>
    </message>
    <message>
        <source>找数字</source>
        <translation>找數字</translation>
    </message>
    <message>
        <source>打数字</source>
        <translation>打數字</translation>
    </message>
    <message>
        <source>停顿</source>
        <translation>停頓</translation>
    </message>
    <message>
        <source>第1个数字</source>
        <translation>第1個數字</translation>
    </message>
    <message>
        <source>结束：%1</source>
        <translation>結束：%1</translation>
    </message>
    <message>
        <source>平常 %1秒</source>
        <translation>平常 %1秒</translation>
    </message>
    <message>
        <source>2秒</source>
        <translation>2秒</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>數字</translation>
    </message>
    <message>
        <source>节奏图</source>
        <translation>節奏圖</translation>
    </message>
    <message>
        <source>第 %1 个数字：找 %2 秒，打 %3 秒，共 %4 秒</source>
        <translation>第 %1 個數字：找 %2 秒，打 %3 秒，共 %4 秒</translation>
    </message>
    <message>
        <source>第 1 个数字：共 %1 秒，从按“开始”算起，包括把手放到键盘上的时间，所以不算进下面的统计</source>
        <translation>第 1 個數字：共 %1 秒，從按「開始」算起，包括把手放到鍵盤上的時間，所以不算進下面的統計</translation>
    </message>
    <message>
        <source>第 %1–%2 个数字：平常 %3 秒，最慢 %4 秒</source>
        <translation>第 %1–%2 個數字：平常 %3 秒，最慢 %4 秒</translation>
    </message>
    <message>
        <source>结束（%1）：最后一个正确数字之后 %2 秒</source>
        <translation>結束（%1）：最後一個正確數字之後 %2 秒</translation>
    </message>
    <message>
        <source>把鼠标移到柱子或下面的说明上，或用方向键，可以看到详细内容</source>
        <translation>把滑鼠移到長條或下面的說明上，或用方向鍵，可以看到詳細內容</translation>
    </message>
    <message>
        <source>正确数字</source>
        <translation>正確數字</translation>
    </message>
    <message>
        <source>这一轮正确输入的数字个数。</source>
        <translation>這一輪正確輸入的數字個數。</translation>
    </message>
    <message>
        <source>每分钟</source>
        <translation>每分鐘</translation>
    </message>
    <message>
        <source>%1 个</source>
        <translation>%1 個</translation>
    </message>
    <message>
        <source>从按“开始”到最后一个回车，平均每分钟输入的数字个数。</source>
        <translation>從按「開始」到最後一次按 Enter，平均每分鐘輸入的數字個數。</translation>
    </message>
    <message>
        <source>平常每个数字</source>
        <translation>平常每個數字</translation>
    </message>
    <message>
        <source>%1 秒（找 %2 + 打 %3）</source>
        <translation>%1 秒（找 %2 + 打 %3）</translation>
    </message>
    <message>
        <source>大多数数字用的时间都在这附近：一半数字比它快，一半比它慢。第 1 个数字从按“开始”算起，不算在内。</source>
        <translation>大多數數字用的時間都在這附近：一半數字比它快，一半比它慢。第 1 個數字從按「開始」算起，不算在內。</translation>
    </message>
    <message>
        <source>最慢的数字</source>
        <translation>最慢的數字</translation>
    </message>
    <message>
        <source>第 %1 个 %2 秒</source>
        <translation>第 %1 個 %2 秒</translation>
    </message>
    <message>
        <source>用时最长的几个数字（第 1 个数字不算）。</source>
        <translation>用時最長的幾個數字（第 1 個數字不算）。</translation>
    </message>
    <message>
        <source>%1 次</source>
        <translation>%1 次</translation>
    </message>
    <message>
        <source>用时超过平常两倍的数字，在图上用红色三角标出。</source>
        <translation>用時超過平常兩倍的數字，在圖上用紅色三角標出。</translation>
    </message>
    <message>
        <source>节奏均匀</source>
        <translation>節奏均勻</translation>
    </message>
    <message>
        <source>%1 个里有 %2 个接近平常</source>
        <translation>%1 個裡有 %2 個接近平常</translation>
    </message>
    <message>
        <source>用时在平常的一半到一倍半之间的数字算接近平常；接近平常的越多，节奏越均匀。</source>
        <translation>用時在平常的一半到一倍半之間的數字算接近平常；接近平常的越多，節奏越均勻。</translation>
    </message>
    <message>
        <source>后一半比前一半</source>
        <translation>後一半比前一半</translation>
    </message>
    <message>
        <source>每个数字快 %1 秒</source>
        <translation>每個數字快 %1 秒</translation>
    </message>
    <message>
        <source>每个数字慢 %1 秒</source>
        <translation>每個數字慢 %1 秒</translation>
    </message>
    <message>
        <source>一样快</source>
        <translation>一樣快</translation>
    </message>
    <message>
        <source>%1（前一半平均 %2 秒，后一半平均 %3 秒）</source>
        <translation>%1（前一半平均 %2 秒，後一半平均 %3 秒）</translation>
    </message>
    <message>
        <source>把数字分成前后两半，比较每个数字平均用的时间。</source>
        <translation>把數字分成前後兩半，比較每個數字平均用的時間。</translation>
    </message>
    <message>
        <source>数字太少，还看不出节奏。</source>
        <translation>數字太少，還看不出節奏。</translation>
    </message>
    <message>
        <source>数字	找数字(秒)	打数字(秒)	共(秒)</source>
        <translation>數字	找數字(秒)	打數字(秒)	共(秒)</translation>
    </message>
    <message>
        <source>我的进步</source>
        <translation>我的進步</translation>
    </message>
    <message>
        <source>正在读取…</source>
        <translation>正在讀取…</translation>
    </message>
    <message>
        <source>现在读不到班级记录，看不到以前的成绩。</source>
        <translation>現在讀不到班級記錄，看不到以前的成績。</translation>
    </message>
    <message>
        <source>这是你第一次玩 %1 级。</source>
        <translation>這是你第一次玩 %1 級。</translation>
    </message>
    <message>
        <source>这是你第 %1 次玩 %2 级。</source>
        <translation>這是你第 %1 次玩 %2 級。</translation>
    </message>
    <message>
        <source>最好成绩 %1（%2）。</source>
        <translation>最佳成績 %1（%2）。</translation>
    </message>
    <message>
        <source>%1 个数字，持续 %2 秒</source>
        <translation>%1 個數字，持續 %2 秒</translation>
    </message>
    <message>
        <source>还没有挑战成功过。</source>
        <translation>還沒有挑戰成功過。</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>%1 月 %2 日</source>
        <translation>%1 月 %2 日</translation>
    </message>
    <message>
        <source>这一轮比上一次快 %1 秒。</source>
        <translation>這一輪比上一次快 %1 秒。</translation>
    </message>
    <message>
        <source>这一轮比上一次慢 %1 秒。</source>
        <translation>這一輪比上一次慢 %1 秒。</translation>
    </message>
    <message>
        <source>这一轮和上一次一样快。</source>
        <translation>這一輪和上一次一樣快。</translation>
    </message>
    <message>
        <source>这一轮比上一次多 %1 个数字。</source>
        <translation>這一輪比上一次多 %1 個數字。</translation>
    </message>
    <message>
        <source>这一轮比上一次少 %1 个数字。</source>
        <translation>這一輪比上一次少 %1 個數字。</translation>
    </message>
    <message>
        <source>这一轮和上一次一样多。</source>
        <translation>這一輪和上一次一樣多。</translation>
    </message>
    <message>
        <source>上一次没有完成，这一轮完成了。</source>
        <translation>上一次沒有完成，這一輪完成了。</translation>
    </message>
    <message>
        <source>这一轮没有完成。</source>
        <translation>這一輪沒有完成。</translation>
    </message>
    <message>
        <source>本次运行的各轮</source>
        <translation>本次執行的各輪</translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>儲存圖片</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG 圖片 (*.png)</translation>
    </message>
    <message>
        <source>已复制：本轮分析和每个数字的用时，可以粘贴到表格里。</source>
        <translation>已複製：本輪分析和每個數字的用時，可以貼到試算表裡。</translation>
    </message>
</context>
<context>
    <name>RoundEnding</name>
    <message>
        <source>挑战成功</source>
        <translation>挑戰成功</translation>
    </message>
    <message>
        <source>数字错误</source>
        <translation>數字錯誤</translation>
    </message>
    <message>
        <source>按了退格键</source>
        <translation>按了倒退鍵</translation>
    </message>
    <message>
        <source>按了非数字键</source>
        <translation>按了非數字鍵</translation>
    </message>
    <message>
        <source>停顿超过2秒</source>
        <translation>停頓超過2秒</translation>
    </message>
    <message>
        <source>时间到</source>
        <translation>時間到</translation>
    </message>
    <message>
        <source>中途返回</source>
        <translation>中途返回</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>标题</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>(第二版)</source>
        <translation>(第二版)</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>副标题</source>
        <translation>副標題</translation>
    </message>
    <message>
        <source>所选级别</source>
        <translation>所選級別</translation>
    </message>
    <message>
        <source>选择级别 </source>
        <translation>選擇級別 </translation>
    </message>
    <message>
        <source>选择级别提示</source>
        <translation>選擇級別提示</translation>
    </message>
    <message>
        <source>竞赛平台徽章</source>
        <translation>競賽平台徽章</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>姓名提示</source>
        <translation>姓名提示</translation>
    </message>
    <message>
        <source>请输入不大于4位数字或4个汉字</source>
        <translation>請輸入不超過4位數字或4個中文字</translation>
    </message>
    <message>
        <source>姓名标题</source>
        <translation>姓名標題</translation>
    </message>
    <message>
        <source>姓名显示</source>
        <translation>姓名顯示</translation>
    </message>
    <message>
        <source>学校</source>
        <translation>學校</translation>
    </message>
    <message>
        <source>学校标题</source>
        <translation>學校標題</translation>
    </message>
    <message>
        <source>学校显示</source>
        <translation>學校顯示</translation>
    </message>
    <message>
        <source>进  入</source>
        <translation>進  入</translation>
    </message>
    <message>
        <source>进入</source>
        <translation>進入</translation>
    </message>
    <message>
        <source>退  出</source>
        <translation>離  開</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>離開</translation>
    </message>
    <message>
        <source>级别规则</source>
        <translation>級別規則</translation>
    </message>
    <message>
        <source>分隔线</source>
        <translation>分隔線</translation>
    </message>
    <message>
        <source>项目策划</source>
        <translation>專案企劃</translation>
    </message>
    <message>
        <source>设计制作</source>
        <translation>設計製作</translation>
    </message>
    <message>
        <source>竞赛平台网址</source>
        <translation>競賽平台網址</translation>
    </message>
    <message>
        <source>网站网址</source>
        <translation>網站網址</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
</context>
<context>
    <name>StartTexts</name>
    <message>
        <source>专注力和键盘输入专项训练软件</source>
        <translation>專注力和鍵盤輸入專項訓練軟體</translation>
    </message>
    <message>
        <source>项目策划: </source>
        <translation>專案企劃: </translation>
    </message>
    <message>
        <source>设计制作: </source>
        <translation>設計製作: </translation>
    </message>
    <message>
        <source>林晓</source>
        <translation>林曉</translation>
    </message>
    <message>
        <source>级别 %1</source>
        <translation>級別 %1</translation>
    </message>
    <message>
        <source>周航</source>
        <translation>周航</translation>
    </message>
</context>
</TS>
