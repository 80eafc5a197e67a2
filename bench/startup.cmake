# The baseline of bench/startup.sh: a bare Qt window of the same size.
add_executable(bench_blank_window blankwindow.cpp ${PROJECT_SOURCE_DIR}/app/firstpaint.cpp)
target_include_directories(bench_blank_window PRIVATE ${PROJECT_SOURCE_DIR}/app)
target_link_libraries(bench_blank_window PRIVATE Qt6::Widgets)
