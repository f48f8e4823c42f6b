# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack between staging the files and packing them: gives every staged file and folder the
# time SOURCE_DATE_EPOCH names, so that what the package records does not depend on when, or in
# which order, the files were made.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  return()
endif()
find_program(touch touch REQUIRED)
execute_process(COMMAND find ${CPACK_TEMPORARY_INSTALL_DIRECTORY} -exec ${touch} -h -d @$ENV{SOURCE_DATE_EPOCH} {} +
                COMMAND_ERROR_IS_FATAL ANY)
