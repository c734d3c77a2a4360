if(WIN32)
  add_test(NAME qx_cli_japanese
           COMMAND test_qx_cli --gtest_also_run_disabled_tests --gtest_filter=CLIWinJapanese.DISABLED_*)
  set_tests_properties(qx_cli_japanese PROPERTIES TIMEOUT 120
                       ENVIRONMENT "LANG=ja_JP.UTF-8;LC_ALL=ja_JP.UTF-8")
endif()
