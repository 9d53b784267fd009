-- Loads the BMFont descriptor named by the first argument (in the game's folder,
-- with its pages), sets the text of the second argument with its pen at (4, 8),
-- magnified by the fifth argument (LÖVE's linear filtering), in white on an
-- opaque black canvas of the third and fourth arguments' size, and writes the
-- canvas's red channel to stdout as a binary PGM; then quits.
function love.load(args)
  local descriptor, text = args[1], args[2]
  local width, height, scale = tonumber(args[3]), tonumber(args[4]), tonumber(args[5])
  local font = love.graphics.newFont(descriptor)
  font:setFilter("linear", "linear")
  local canvas = love.graphics.newCanvas(width, height)
  love.graphics.setCanvas(canvas)
  love.graphics.clear(0, 0, 0, 1)
  love.graphics.setColor(1, 1, 1, 1)
  love.graphics.setFont(font)
  love.graphics.print(text, 4, 8, 0, scale, scale)
  love.graphics.setCanvas()
  local image = canvas:newImageData()
  local rows = {}
  for y = 0, height - 1 do
    local row = {}
    for x = 0, width - 1 do
      local r = image:getPixel(x, y)
      row[#row + 1] = string.char(math.floor(r * 255 + 0.5))
    end
    rows[#rows + 1] = table.concat(row)
  end
  io.write(string.format("P5\n%d %d\n255\n", width, height), table.concat(rows))
  io.flush()
  love.event.quit(0)
end

-- An error ends the run with its message, where LÖVE would show it and wait.
function love.errorhandler(message)
  io.stderr:write("love: ", tostring(message), "\n", debug.traceback(), "\n")
  os.exit(1)
end
