#version 410 core
// Shadow pass: only the depth buffer is written.
void main()
{
}
