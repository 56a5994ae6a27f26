// A scratch folder for the model files a test writes; it removes itself.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

class ModelFolder {
public:
    ModelFolder()
        : path(std::filesystem::temp_directory_path() /
               ("korvel-model-" + std::to_string(std::random_device{}())))
    {
        std::filesystem::create_directories(path);
    }
    ~ModelFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ModelFolder(const ModelFolder&) = delete;
    ModelFolder& operator=(const ModelFolder&) = delete;

    // Writes `bytes` to `name` inside the folder and returns the file's path.
    std::string write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path / name, std::ios::binary) << bytes;
        return (path / name).string();
    }

    std::filesystem::path path;
};
