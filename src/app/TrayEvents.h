#pragma once
// Notification-area icon events as the program numbers them.

enum class TrayEvent { None = 0, Click = 1, DoubleClick = 2, Context = 3 };
