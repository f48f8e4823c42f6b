# Print, Save as PDF and Copy of the week: the formatter in the core, the actions in the planner.
galvix_add_test(weekly_menu_export_test SOURCES menu_export_test.cpp)
if(GALVIX_BUILD_GUI)
  galvix_add_test(weekly_menu_output_test GUI SOURCES menu_output_test.cpp)
endif()
