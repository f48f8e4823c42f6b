# Print, Save as PDF and Copy of the week: the formatter in the core, the actions in the planner.
galvix_add_test(weekly_menu_export_test SOURCES menu_export_test.cpp)
if(GALVIX_BUILD_GUI)
  # The PDFs are read back with poppler's tools (poppler-utils, which scripts/setup.sh installs);
  # without them the PDF tests fail and say so.
  find_program(GALVIX_PDFINFO pdfinfo)
  find_program(GALVIX_PDFTOTEXT pdftotext)
  find_program(GALVIX_PDFTOPPM pdftoppm)
  galvix_add_test(weekly_menu_output_test GUI SOURCES menu_output_test.cpp)
  target_compile_definitions(weekly_menu_output_test PRIVATE
    GALVIX_PDFINFO="$<$<BOOL:${GALVIX_PDFINFO}>:${GALVIX_PDFINFO}>"
    GALVIX_PDFTOTEXT="$<$<BOOL:${GALVIX_PDFTOTEXT}>:${GALVIX_PDFTOTEXT}>"
    GALVIX_PDFTOPPM="$<$<BOOL:${GALVIX_PDFTOPPM}>:${GALVIX_PDFTOPPM}>")
endif()
