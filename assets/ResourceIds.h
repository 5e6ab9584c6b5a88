// Numbers of the icon resources, shared by the resource script and the program. Pictures are
// resources named after the control that shows them.
#pragma once
#define VORLANE_ICON_APP 1
#define VORLANE_ICON_INFO 2
