#pragma once

// True when the test main could switch the C locale to de_DE.UTF-8.
bool german_locale_active();
