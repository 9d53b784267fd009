-- Loads the BMFont descriptor named by the first argument (in the game's folder,
-- with its pages), sets the text of the second argument at (4, 8) in white on an opaque black canvas of the
-- third and fourth (width, height), and writes the canvas's red channel to stdout as a binary PGM, or with a
-- fifth argument "rgb" its colours as a binary PPM; then quits. A sixth argument
-- magnifies the text by that factor, with linear filtering.
function love.load(args)
  local descriptor, text, width, height = args[1], args[2], tonumber(args[3]), tonumber(args[4])
  local colour = args[5] == "rgb"
  local scale = tonumber(args[6]) or 1
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
      local r, g, b = image:getPixel(x, y)
      for _, channel in ipairs(colour and {r, g, b} or {r}) do
        row[#row + 1] = string.char(math.floor(channel * 255 + 0.5))
      end
    end
    rows[#rows + 1] = table.concat(row)
  end
  io.write(string.format("%s\n%d %d\n255\n", colour and "P6" or "P5", width, height), table.concat(rows))
  io.flush()
  love.event.quit(0)
end

-- An error ends the run with its message, where LÖVE would show it and wait.
function love.errorhandler(message)
  io.stderr:write("love: ", tostring(message), "\n", debug.traceback(), "\n")
  os.exit(1)
end
