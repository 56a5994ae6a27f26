#include "app/physics_view.h"

#include <GL/glew.h>

#include "app/lines_program.h"
#include "framework/gpu_layout.h"

namespace {

// Enough to lift an edge off the surface it lies on at the distances the level
// is seen from, small enough that walls still hide what is behind them.
constexpr float StaticEdgeDepthBias = 2e-4f;

// The GL state the view changes, put back when it goes out of scope.
class SavedDrawState {
public:
    SavedDrawState()
    {
        depthTest = glIsEnabled(GL_DEPTH_TEST);
        glGetIntegerv(GL_DEPTH_FUNC, &depthFunction);
        glGetIntegerv(GL_CURRENT_PROGRAM, &program);
        glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray);
    }
    ~SavedDrawState()
    {
        if (depthTest)
            glEnable(GL_DEPTH_TEST);
        else
            glDisable(GL_DEPTH_TEST);
        glDepthFunc(static_cast<GLenum>(depthFunction));
        glUseProgram(static_cast<GLuint>(program));
        glBindVertexArray(static_cast<GLuint>(vertexArray));
    }
    SavedDrawState(const SavedDrawState&) = delete;
    SavedDrawState& operator=(const SavedDrawState&) = delete;

private:
    GLboolean depthTest = GL_FALSE;
    GLint depthFunction = GL_LESS;
    GLint program = 0;
    GLint vertexArray = 0;
};

}  // namespace

LineBuffer::LineBuffer()
{
    glGenVertexArrays(1, &vertexArray);
    glGenBuffers(1, &vertexBuffer);
    glBindVertexArray(vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glEnableVertexAttribArray(AttributePosition);
    glVertexAttribPointer(AttributePosition, 3, GL_FLOAT, GL_FALSE, sizeof(glm::vec3), nullptr);
    glBindVertexArray(0);
}

LineBuffer::~LineBuffer()
{
    glDeleteBuffers(1, &vertexBuffer);
    glDeleteVertexArrays(1, &vertexArray);
}

void LineBuffer::upload(const LineList& lines, unsigned usage)
{
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(lines.size() * sizeof(glm::vec3)), lines.data(),
                 usage);
    vertexCount = static_cast<int>(lines.size());
}

void LineBuffer::draw() const
{
    if (vertexCount == 0)
        return;
    glBindVertexArray(vertexArray);
    glDrawArrays(GL_LINES, 0, vertexCount);
}

PhysicsView::PhysicsView(const CollisionScene& scene, const ControllerManager& controllers)
    : scene(scene), controllers(controllers)
{
}

PhysicsView::~PhysicsView() = default;

void PhysicsView::build()
{
    program = std::make_unique<LinesProgram>();
    staticEdges = std::make_unique<LineBuffer>();
    staticEdges->upload(staticMeshEdges(scene), GL_STATIC_DRAW);
    capsules = std::make_unique<LineBuffer>();
    contactOffsets = std::make_unique<LineBuffer>();
}

void PhysicsView::draw(const glm::mat4& viewProjection, bool shown)
{
    if (!shown)
        return;
    const SavedDrawState saved;
    if (!isBuilt())
        build();
    const ControllerOutlines outlines = controllerOutlines(controllers);
    capsules->upload(outlines.capsules, GL_DYNAMIC_DRAW);
    contactOffsets->upload(outlines.contactOffsets, GL_DYNAMIC_DRAW);

    program->use();
    program->setViewProjection(viewProjection);

    // Static meshes: hidden where the level hides them.
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    program->setDepthBias(StaticEdgeDepthBias);
    program->setLineColor(StaticColliderColor);
    staticEdges->draw();

    // Capsules over everything, so a creature behind a wall still shows.
    glDisable(GL_DEPTH_TEST);
    program->setDepthBias(0.0f);
    program->setLineColor(ContactOffsetColor);
    contactOffsets->draw();
    program->setLineColor(CapsuleColor);
    capsules->draw();
}
