# Windows tests of capture, under Wine: stand-in targets in processes of
# their own, and Zeto's main dialog in-process. The clipboard is shared by
# every Wine process of the tree, hence SERIAL.
add_executable(copy_target WIN32 copy_target.cpp CopyTargetWindows.cpp)
wordlumo_window_test(capture_wine_test TIMEOUT 300
    SOURCES CaptureWine.cpp CopyTargetWindows.cpp CopyMethodsTest.cpp MouseRoadTest.cpp SelectionCaptureTest.cpp
        TargetCommandsTest.cpp DialogsTest.cpp ClipboardBorrowTest.cpp AutomationReadTest.cpp
    LIBS dialog_support)
target_link_libraries(copy_target PRIVATE test_support)
add_dependencies(capture_wine_test copy_target)
