// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace test_support {

// TZ as a test sets it (null: unset), and as it was once the test is over.
// The C library is not told (no tzset): the code under test must look at TZ
// again itself.
class ScopedTz {
public:
    explicit ScopedTz(const char* value)
    {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        if (value)
            setenv("TZ", value, 1);
        else
            unsetenv("TZ");
    }
    ~ScopedTz()
    {
        if (old_)
            setenv("TZ", old_->c_str(), 1);
        else
            unsetenv("TZ");
    }
    ScopedTz(const ScopedTz&) = delete;
    ScopedTz& operator=(const ScopedTz&) = delete;

private:
    std::optional<std::string> old_;
};

}  // namespace test_support
