#pragma once
// The base of the tests that run the real SDL backend in a real window (under a virtual X
// display): SDL started once per suite, as in the game, and a game in the window with a save
// folder of its own.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/Zorvex_unit.h"
#include "platform/sdl/SdlBackend.h"

class SdlWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_AUDIODRIVER", "dummy", 1);  // no sound card needed
        backend_ = platform::CreateSdlBackend();
    }
    static void TearDownTestSuite() { backend_.reset(); }

    // Builds the window's game with seed and runs its start-up.
    void StartGame(uint32_t seed) {
        std::string folder =
            (std::filesystem::temp_directory_path() / "zorvex-sdl-XXXXXX").string();
        ASSERT_NE(mkdtemp(folder.data()), nullptr);
        saveFolder_ = folder;
        form_ = std::make_unique<TMForm>(*backend_, seed, saveFolder_);
        ASSERT_TRUE(form_->FormCreate());
    }
    void TearDown() override {
        form_.reset();
        if (!saveFolder_.empty())
            std::filesystem::remove_all(saveFolder_);
    }

    static inline std::unique_ptr<platform::Backend> backend_;
    std::string saveFolder_;
    std::unique_ptr<TMForm> form_;
};
