// toolbars_test_res.h - identifiers of the toolbar tests' own resources.
#pragma once

#define ID_TEST_PROMPT_AND_TIP  40101
#define ID_TEST_PROMPT_ONLY     40102
#define ID_TEST_IN_MENU         40103
#define ID_TEST_NOWHERE         40199
