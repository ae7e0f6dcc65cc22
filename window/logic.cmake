# The window's portable rules, tested natively.
zevadar_library(zevadar_window_logic PORTABLE type_ahead.cpp)
