#pragma once

namespace kavel::test {

// The QApplication every widget test needs; made once per test program.
void ensureApplication();

} // namespace kavel::test
