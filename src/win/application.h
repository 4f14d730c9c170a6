#pragma once
// The program object: a start-up hook that may run the whole life of the
// program, and an exit hook whose result becomes the process exit code.
namespace horalo::win {

class Application {
public:
    virtual ~Application() = default;
    // Runs InitInstance, the program's message loop only when it asked for
    // it, then ExitInstance.
    int Run();

protected:
    // Returns true to have Run() pump messages until WM_QUIT.
    virtual bool InitInstance() = 0;
    virtual int ExitInstance() { return exitCode_; }
    void SetExitCode(int code) { exitCode_ = code; }

private:
    int exitCode_ = 0;
};

}  // namespace horalo::win
