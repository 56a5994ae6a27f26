// A library loaded at run time, the way the GL driver is, whose thread-locals
// live in a block that glibc allocates on each thread's first use.
extern "C" void* threadLocalBlock()
{
    static thread_local char block[40];
    return block;
}
