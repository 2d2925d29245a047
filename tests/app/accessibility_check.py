#!/usr/bin/env python3
"""Checks the running program through the desktop's accessibility interface (AT-SPI), as a
screen reader sees it: every button has a name, the drawn page buttons and the graphic buttons
are buttons named after their caption or role, and pressing a page button through the
interface shows its page."""

import sys
import time

import pyatspi


def find_application(name, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def descendants(node, depth=0):
    yield node
    if depth > 20:
        return
    try:
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:  # a node that went away while the tree was read
        return
    for child in children:
        if child is not None:
            yield from descendants(child, depth + 1)


def main_window(app, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for node in descendants(app):
            if node.getRoleName() in ("dialog", "frame") and "Quorvell" in node.name:
                return node
        time.sleep(0.2)
    return None


def buttons(window):
    return [n for n in descendants(window) if n.getRoleName() == "push button"]


def is_showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click", "activate"):
            action.doAction(i)
            return True
    return False


def main():
    failures = []
    app = find_application("Quorvell")
    if app is None:
        print("the program did not appear on the accessibility bus")
        return 1
    window = main_window(app)
    if window is None:
        print("the main window did not appear")
        return 1
    expected_buttons = ("定时关机", "批量操作", "备忘笔记", "简单计算", "聊天辅助", "其他设置",
                        "最小化", "退出", "时钟", "询问后退出", "关机", "确认", "发送/Eng")
    expected_others = ("文件类型：", "算式", "结果", "聊天记录", "输入消息", "窗口透明数值：")
    # The tree fills in while the window opens: look again until it is complete or time is up.
    deadline = time.time() + 20
    while True:
        found = buttons(window)
        names = [b.name for b in found]
        named_others = {n.name for n in descendants(window)
                        if n.getRoleName() in ("combo box", "text", "slider", "progress bar")}
        missing = [e for e in expected_buttons if e not in names]
        missing += [e for e in expected_others if e not in named_others]
        unnamed = [b for b in found if not b.name.strip()]
        if (not missing and not unnamed) or time.time() > deadline:
            break
        time.sleep(0.2)
    if unnamed:
        failures.append(f"{len(unnamed)} buttons without a name")
    for name in missing:
        failures.append(f"no control named {name}")

    confirm = next((b for b in found if b.name == "确认"), None)
    page_button = next((b for b in found if b.name == "批量操作"), None)
    if confirm is None or page_button is None:
        failures.append("the batch page or its button cannot be found")
    else:
        if is_showing(confirm):
            failures.append("the batch page shows before its button is pressed")
        if not press(page_button):
            failures.append("the page button offers no press action")
        deadline = time.time() + 10
        while time.time() < deadline and not is_showing(confirm):
            time.sleep(0.1)
        if not is_showing(confirm):
            failures.append("pressing 批量操作 did not show the batch page")

    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(found)} buttons checked, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
