-- SPDX-FileCopyrightText: 2026 The Tavrino authors
--
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- What wixl (Debian's msitools 0.101) cannot write into the package itself:
-- it drops every text that is not ASCII and knows no component conditions.
-- tools/windows runs each query below with msibuild after wixl, once the
-- package's code page is Simplified Chinese (936).
UPDATE Shortcut SET Name='BJJL|班级记录' WHERE Shortcut='ClassView'
UPDATE Shortcut SET Description='查看班级记录' WHERE Shortcut='ClassView'
UPDATE Shortcut SET Description='专注力和键盘输入专项训练' WHERE Shortcut='Game'
UPDATE LaunchCondition SET Description='已经安装了更新版本的 Tavrino。' WHERE Condition='NOT WIX_DOWNGRADE_DETECTED'
UPDATE Component SET Condition='LOGPATH' WHERE Component='LogPath'
UPDATE Property SET Value='WIX_DOWNGRADE_DETECTED;WIX_UPGRADE_DETECTED;LOGPATH;INSTALLEDLOGPATH' WHERE Property='SecureCustomProperties'
