#pragma once

#include <functional>
#include <vector>

class AppSettings;

// The states of the window a user meets: every page, the products page with
// all, some, none and no products, success and failure, and each overlay.
// Drawn by render_pages and checked in every language by the tests.
struct Scene
{
    const char *name;
    // Brings settings that start fresh, with the products discovered, into
    // the scene.
    std::function<void(AppSettings &)> setUp;
};

const std::vector<Scene> &scenes();
